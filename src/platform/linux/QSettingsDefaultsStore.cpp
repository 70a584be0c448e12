#include "platform/linux/QSettingsDefaultsStore.h"

#include <QSettings>

QSettingsDefaultsStore::QSettingsDefaultsStore(QString organization, QString application)
    : m_organization(std::move(organization)), m_application(std::move(application)) {}

QVariant QSettingsDefaultsStore::value(const QString& key) const {
    QMutexLocker lock(&m_mutex);
    return QSettings(m_organization, m_application).value(key);
}

void QSettingsDefaultsStore::setValue(const QString& key, const QVariant& value) {
    QMutexLocker lock(&m_mutex);
    QSettings settings(m_organization, m_application);
    settings.setValue(key, value);
    settings.sync();
}

void QSettingsDefaultsStore::remove(const QString& key) {
    QMutexLocker lock(&m_mutex);
    QSettings settings(m_organization, m_application);
    settings.remove(key);
    settings.sync();
}

void QSettingsDefaultsStore::clear() {
    QMutexLocker lock(&m_mutex);
    QSettings settings(m_organization, m_application);
    settings.clear();
    settings.sync();
}

QString QSettingsDefaultsStore::fileName() const {
    QMutexLocker lock(&m_mutex);
    return QSettings(m_organization, m_application).fileName();
}

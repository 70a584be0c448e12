#pragma once

#include "platform/DefaultsStore.h"

#include <QMutex>

// The settings domain as an INI file under the user's config folder. Every call
// uses its own QSettings, so any thread may call; writes reach the file at once.
class QSettingsDefaultsStore : public DefaultsStore {
public:
    QSettingsDefaultsStore(QString organization, QString application);

    QVariant value(const QString& key) const override;
    void setValue(const QString& key, const QVariant& value) override;
    void remove(const QString& key) override;
    void clear() override;

    QString fileName() const;

private:
    QString m_organization;
    QString m_application;
    mutable QMutex m_mutex;
};

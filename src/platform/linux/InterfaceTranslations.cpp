#include "platform/linux/InterfaceTranslations.h"

#include "platform/ResourceLocator.h"
#include "settings/UserLanguages.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

std::optional<QString> programTranslation(const ResourceLocator& resources,
                                          const QString& language) {
    return resources.path("translations/tesselle_" + language, QStringLiteral("qm"));
}

} // namespace

InterfaceTranslations::InterfaceTranslations(const QStringList& languages,
                                             const ResourceLocator& resources,
                                             const QString& qtTranslations) {
    m_language = UserLanguages::firstAvailable(languages, [&](const QString& language) {
        return programTranslation(resources, language).has_value();
    });
    if (!m_language || !m_program.load(*programTranslation(resources, *m_language))) {
        m_language.reset();
        return;
    }
    QCoreApplication::installTranslator(&m_program);
    // Found as qtbase_pt_BR.qm, else qtbase_pt.qm; missing, Qt's texts stay English.
    if (m_qt.load("qtbase_" + *m_language, qtTranslations))
        QCoreApplication::installTranslator(&m_qt);
}

InterfaceTranslations::~InterfaceTranslations() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

QString InterfaceTranslations::qtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

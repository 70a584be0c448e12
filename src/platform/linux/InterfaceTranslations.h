#pragma once

#include <QStringList>
#include <QTranslator>
#include <optional>

class ResourceLocator;

// The program's texts and Qt's own (standard buttons and dialogs) in the first
// of the user's languages (UserLanguages) that the program is translated into,
// from the resources "translations/tesselle_<language>.qm" and Qt's
// "qtbase_<language>.qm". Installed for as long as this object lives. English,
// the program's own language, installs nothing.
class InterfaceTranslations {
public:
    InterfaceTranslations(const QStringList& languages, const ResourceLocator& resources,
                          const QString& qtTranslations);
    ~InterfaceTranslations();
    InterfaceTranslations(const InterfaceTranslations&) = delete;
    InterfaceTranslations& operator=(const InterfaceTranslations&) = delete;

    // Qt's translations as this system installs them.
    static QString qtTranslationsFolder();

    const std::optional<QString>& language() const { return m_language; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    std::optional<QString> m_language;
};

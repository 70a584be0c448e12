#include "settings/UserLanguages.h"

#include <QLocale>

namespace {

// A locale as the C library writes it: language[_TERRITORY][.codeset][@modifier].
struct LocaleName {
    QString language;
    QString territory;
    QString script;
};

LocaleName parse(QString entry) {
    QString modifier;
    if (const qsizetype at = entry.indexOf('@'); at >= 0) {
        modifier = entry.mid(at + 1);
        entry.truncate(at);
    }
    if (const qsizetype dot = entry.indexOf('.'); dot >= 0)
        entry.truncate(dot);
    const QStringList parts = entry.split('_', Qt::SkipEmptyParts);
    LocaleName name;
    name.language = parts.value(0);
    for (const QString& part : parts.mid(1)) {
        if (part.size() == 4)
            name.script = part;
        else
            name.territory = part;
    }
    if (modifier == QLatin1String("latin"))
        name.script = QStringLiteral("Latn");
    else if (modifier == QLatin1String("cyrillic"))
        name.script = QStringLiteral("Cyrl");
    // The script a language is written in where the user lives: Chinese in
    // Taiwan and Hong Kong is written in traditional characters.
    if (name.script.isEmpty() && !name.territory.isEmpty()) {
        const QLocale locale(name.language + '_' + name.territory);
        if (QLocale::languageToCode(locale.language()) == name.language)
            name.script = QLocale::scriptToCode(locale.script());
    }
    return name;
}

bool isEnglish(const LocaleName& name) {
    return name.language == QLatin1String("en") || name.language == QLatin1String("C") ||
           name.language == QLatin1String("POSIX");
}

// Norwegian Bokmål goes by its macrolanguage's name too.
QString macrolanguage(const QString& language) {
    return language == QLatin1String("nb") ? QStringLiteral("no") : QString();
}

} // namespace

QStringList UserLanguages::preferred(const QProcessEnvironment& environment) {
    QStringList entries = environment.value(QStringLiteral("LANGUAGE")).split(':');
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QString::fromLatin1(variable));
        if (!value.isEmpty()) {
            entries << value;
            break;
        }
    }
    QStringList names;
    for (const QString& entry : entries) {
        const LocaleName name = parse(entry);
        if (name.language.isEmpty())
            continue;
        if (isEnglish(name))
            break;
        QStringList forms;
        if (!name.territory.isEmpty())
            forms << name.language + '_' + name.territory;
        if (!name.script.isEmpty())
            forms << name.language + '_' + name.script;
        forms << name.language << macrolanguage(name.language);
        for (const QString& form : forms) {
            if (!form.isEmpty() && !names.contains(form))
                names << form;
        }
    }
    return names;
}

std::optional<QString>
UserLanguages::firstAvailable(const QStringList& names,
                              const std::function<bool(const QString&)>& exists) {
    for (const QString& name : names) {
        if (exists(name))
            return name;
    }
    return std::nullopt;
}

#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <functional>
#include <optional>

// The languages the user reads, read as the desktop reads them: the list in
// LANGUAGE, then the first of LC_ALL, LC_MESSAGES and LANG. Each entry gives
// its names from the most to the least particular: "de_CH.UTF-8" gives
// "de_CH", "de_Latn", "de"; "zh_TW" gives "zh_TW", "zh_Hant", "zh";
// "sr_RS@latin" gives "sr_RS", "sr_Latn", "sr". English ("en", "C", "POSIX")
// ends the list: the program's own texts are English, so what comes after it
// is never asked for.
namespace UserLanguages {

QStringList preferred(const QProcessEnvironment& environment);

// The first of the names for which `exists` holds; none means English.
std::optional<QString> firstAvailable(const QStringList& names,
                                      const std::function<bool(const QString&)>& exists);

} // namespace UserLanguages

#include "shortcuts/Shortcut.h"

#include "platform/MessageError.h"

#include <QHash>
#include <QStringList>

void to_json(nlohmann::json& json, const Shortcut& shortcut) {
    json = nlohmann::json{
        {"text", shortcut.text}, {"phrase", shortcut.phrase}, {"isCustom", shortcut.isCustom}};
}

void from_json(const nlohmann::json& json, Shortcut& shortcut) {
    // at() throws for a missing key; get<bool>() refuses numbers and strings.
    json.at("text").get_to(shortcut.text);
    json.at("phrase").get_to(shortcut.phrase);
    shortcut.isCustom = json.at("isCustom").get<bool>();
}

void checkForDuplicates(const QList<Shortcut>& shortcuts) {
    QHash<QString, int> counts;
    QStringList duplicates;
    for (const Shortcut& shortcut : shortcuts) {
        if (++counts[shortcut.text] == 2)
            duplicates << shortcut.text;
    }
    if (!duplicates.isEmpty())
        throw MessageError("Duplicates in initial list: [" + duplicates.join(',') + "]");
}

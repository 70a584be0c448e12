#pragma once

#include "settings/JsonTypes.h"

#include <QList>
#include <QString>

// A typed text that the replacement list turns into its phrase (one emoji).
struct Shortcut {
    QString text; // always begins with "/"
    QString phrase;
    bool isCustom = false;

    bool operator==(const Shortcut&) const = default;
};

// The pair handed to the replacement list.
struct Replacement {
    QString shortcut;
    QString phrase;

    bool operator==(const Replacement&) const = default;

    static Replacement from(const Shortcut& shortcut) { return {shortcut.text, shortcut.phrase}; }
};

// JSON {"text", "phrase", "isCustom"}: all three written, all three required.
void to_json(nlohmann::json& json, const Shortcut& shortcut);
void from_json(const nlohmann::json& json, Shortcut& shortcut);

// Fails with "Duplicates in initial list: [/a,/b]" when a text occurs more than once.
void checkForDuplicates(const QList<Shortcut>& shortcuts);

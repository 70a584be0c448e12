#pragma once

#include <QStringList>
#include <nlohmann/json_fwd.hpp>

// One record of the catalogue file, as the file holds it.
struct EmojiRecord {
    QString emoji;
    QString description;
    QString category;
    QStringList aliases;
    QStringList tags;
};

// All five keys are required and typed: strings, and arrays of strings.
void from_json(const nlohmann::json& json, EmojiRecord& record);

#pragma once

#include <QString>
#include <nlohmann/json.hpp>
#include <optional>

// QString as a JSON string. Decoding refuses anything that is not a string.
template <> struct nlohmann::adl_serializer<QString> {
    static void to_json(nlohmann::json& json, const QString& text) { json = text.toStdString(); }
    static void from_json(const nlohmann::json& json, QString& text) {
        text = QString::fromStdString(json.get_ref<const std::string&>());
    }
};

// An optional as its value, or JSON null when it holds nothing.
template <typename T> struct nlohmann::adl_serializer<std::optional<T>> {
    static void to_json(nlohmann::json& json, const std::optional<T>& value) {
        if (value)
            json = *value;
        else
            json = nullptr;
    }
    static void from_json(const nlohmann::json& json, std::optional<T>& value) {
        if (json.is_null())
            value.reset();
        else
            value = json.get<T>();
    }
};

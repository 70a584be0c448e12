#pragma once

#include "platform/DefaultsStore.h"
#include "settings/JsonTypes.h"

#include <QByteArray>
#include <nlohmann/json.hpp>
#include <utility>

// A typed entry of the settings domain. Values are stored as data holding their
// JSON; anything else under the key, or data that is not JSON of the type, reads
// as the default and stays until the next write.
template <typename T> class StoredSetting {
public:
    StoredSetting(DefaultsStore& store, QString key, T defaultValue)
        : m_store(store), m_key(std::move(key)), m_defaultValue(std::move(defaultValue)) {}

    const QString& key() const { return m_key; }
    const T& defaultValue() const { return m_defaultValue; }

    T read() const {
        const QVariant stored = m_store.value(m_key);
        if (stored.typeId() != QMetaType::QByteArray)
            return m_defaultValue;
        const QByteArray data = stored.toByteArray();
        try {
            return nlohmann::json::parse(data.begin(), data.end()).template get<T>();
        } catch (const nlohmann::json::exception&) {
            return m_defaultValue;
        }
    }

    // A value that cannot be encoded removes the key.
    void write(const T& value) const {
        std::string encoded;
        try {
            encoded = nlohmann::json(value).dump();
        } catch (const nlohmann::json::exception&) {
            m_store.remove(m_key);
            return;
        }
        m_store.setValue(m_key, QByteArray::fromStdString(encoded));
    }

    void remove() const { m_store.remove(m_key); }

private:
    DefaultsStore& m_store;
    QString m_key;
    T m_defaultValue;
};

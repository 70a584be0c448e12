#pragma once

#include "platform/DefaultsStore.h"
#include "settings/StoredSetting.h"

#include <QHash>
#include <cstdlib>

// One key holding the fuzzer's input as data.
class FuzzDefaultsStore : public DefaultsStore {
public:
    QVariant value(const QString& key) const override { return m_values.value(key); }
    void setValue(const QString& key, const QVariant& value) override {
        m_values.insert(key, value);
    }
    void remove(const QString& key) override { m_values.remove(key); }
    void clear() override { m_values.clear(); }

private:
    QHash<QString, QVariant> m_values;
};

// Whatever the stored data, reading gives a value (the default at worst), and a
// value read and written again reads back as itself.
template <typename T>
int fuzzStoredSetting(const uint8_t* data, size_t size, const char* key, T defaultValue) {
    FuzzDefaultsStore store;
    const StoredSetting<T> setting(store, QString::fromLatin1(key), std::move(defaultValue));
    store.setValue(setting.key(), QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const T first = setting.read();
    setting.write(first);
    if (!(setting.read() == first))
        abort();
    return 0;
}

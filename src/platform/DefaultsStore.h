#pragma once

#include <QString>
#include <QVariant>

// The per-user settings domain of the program. Safe to use from any thread.
class DefaultsStore {
public:
    virtual ~DefaultsStore() = default;

    // An invalid QVariant when nothing is stored under the key.
    virtual QVariant value(const QString& key) const = 0;
    virtual void setValue(const QString& key, const QVariant& value) = 0;
    virtual void remove(const QString& key) = 0;
    // Removes every key of the program's domain.
    virtual void clear() = 0;
};

#pragma once

#include "settings/StoredSetting.h"

#include <QObject>

class LoginItemService;

// The user's two switches. Each assignment is saved on the event loop after it
// returns, never synchronously; the loaded values are saved once after construction.
class Preferences : public QObject {
    Q_OBJECT
public:
    Preferences(DefaultsStore& store, LoginItemService& loginItems, QObject* parent = nullptr);

    bool useSystemColor() const { return m_useSystemColor; }
    void setUseSystemColor(bool value);
    bool autoPaste() const { return m_autoPaste; }
    void setAutoPaste(bool value);

    // Back to the first-run state: the whole settings domain removed, launch at
    // login off, both switches reloaded. Whoever keeps settings in memory
    // reloads them on didReset().
    void reset();

signals:
    void useSystemColorChanged(bool value);
    void autoPasteChanged(bool value);
    void didReset();

private:
    void saveLater(const StoredSetting<bool>& setting, bool value);

    DefaultsStore& m_store;
    LoginItemService& m_loginItems;
    StoredSetting<bool> m_useSystemColorSetting;
    StoredSetting<bool> m_autoPasteSetting;
    bool m_useSystemColor;
    bool m_autoPaste;
};

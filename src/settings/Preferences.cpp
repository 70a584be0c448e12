#include "settings/Preferences.h"

#include "platform/LoginItemService.h"
#include "settings/SettingsKeys.h"

Preferences::Preferences(DefaultsStore& store, LoginItemService& loginItems, QObject* parent)
    : QObject(parent), m_store(store), m_loginItems(loginItems),
      m_useSystemColorSetting(store, SettingsKeys::useSystemColor, false),
      m_autoPasteSetting(store, SettingsKeys::autoPaste, false),
      m_useSystemColor(m_useSystemColorSetting.read()), m_autoPaste(m_autoPasteSetting.read()) {
    saveLater(m_useSystemColorSetting, m_useSystemColor);
    saveLater(m_autoPasteSetting, m_autoPaste);
}

void Preferences::setUseSystemColor(bool value) {
    const bool changed = value != m_useSystemColor;
    m_useSystemColor = value;
    saveLater(m_useSystemColorSetting, value);
    if (changed)
        emit useSystemColorChanged(value);
}

void Preferences::setAutoPaste(bool value) {
    const bool changed = value != m_autoPaste;
    m_autoPaste = value;
    saveLater(m_autoPasteSetting, value);
    if (changed)
        emit autoPasteChanged(value);
}

void Preferences::reset() {
    m_store.clear();
    m_loginItems.setEnabled(false);
    setUseSystemColor(m_useSystemColorSetting.read());
    setAutoPaste(m_autoPasteSetting.read());
    emit didReset();
}

void Preferences::saveLater(const StoredSetting<bool>& setting, bool value) {
    QMetaObject::invokeMethod(
        this, [&setting, value] { setting.write(value); }, Qt::QueuedConnection);
}

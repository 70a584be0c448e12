#include "shortcuts/Preset.h"

#include "async/BackgroundCall.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/PresetShortcuts.h"
#include "shortcuts/ShortcutRegistry.h"
#include "shortcuts/UserShortcuts.h"

#include <QThread>

Preset::Preset(DefaultsStore& defaults, const ResourceLocator& resources,
               const TextMeasurer& measurer, ShortcutRegistry& registry,
               UserShortcuts& userShortcuts, BackgroundTasks& background, QObject* parent)
    : QObject(parent), m_resources(resources), m_measurer(measurer), m_registry(registry),
      m_userShortcuts(userShortcuts), m_background(background),
      m_setting(defaults, SettingsKeys::configuration, std::nullopt),
      m_installedConfiguration(m_setting.read()) {}

QCoro::Task<> Preset::install(PresetConfiguration configuration) {
    auto leftOut = std::make_shared<UserDefined>();
    // Named: g++ 12 destroys the temporaries of a co_await expression twice,
    // and this one holds a shared pointer.
    BackgroundCall registration(m_background, [this, configuration, leftOut] {
        return registerPreset(this, configuration, leftOut);
    });
    co_await registration;
    setInstalledConfiguration(configuration);
    setUserDefined(*leftOut);
}

QCoro::Task<> Preset::findUserDefined() {
    auto leftOut = std::make_shared<UserDefined>();
    if (m_installedConfiguration) {
        BackgroundCall search(m_background,
                              [this, configuration = *m_installedConfiguration, leftOut] {
                                  return findLeftOut(this, configuration, leftOut);
                              });
        co_await search;
    }
    setUserDefined(*leftOut);
}

QCoro::Task<> Preset::uninstall() {
    if (!m_installedConfiguration)
        co_return;
    co_await BackgroundCall(m_background, [this] { return unregisterPreset(this); });
    setInstalledConfiguration(std::nullopt);
    setUserDefined(UserDefined());
}

QCoro::Task<> Preset::uninstallEverything() {
    co_await BackgroundCall(m_background, [this] { return unregisterAll(this); });
    if (m_installedConfiguration)
        setInstalledConfiguration(std::nullopt);
    setUserDefined(UserDefined());
}

QCoro::Task<> Preset::registerPreset(Preset* preset, PresetConfiguration configuration,
                                     std::shared_ptr<UserDefined> leftOut) {
    QList<Shortcut> shortcuts =
        buildPresetShortcuts(preset->m_resources, preset->m_measurer, configuration);
    checkForDuplicates(shortcuts);
    preset->m_userShortcuts.refresh();
    *leftOut = preset->takeUserDefined(shortcuts);
    co_await preset->m_registry.replacePreset(std::move(shortcuts));
}

// What an earlier installation left out, and what the user's files define
// since, of what is not installed.
QCoro::Task<> Preset::findLeftOut(Preset* preset, PresetConfiguration configuration,
                                  std::shared_ptr<UserDefined> leftOut) {
    QList<Shortcut> shortcuts =
        buildPresetShortcuts(preset->m_resources, preset->m_measurer, configuration);
    shortcuts.removeIf([preset](const Shortcut& shortcut) {
        return preset->m_registry.shortcuts(shortcut.phrase).contains(shortcut);
    });
    preset->m_userShortcuts.refresh();
    *leftOut = preset->takeUserDefined(shortcuts);
    co_return;
}

Preset::UserDefined Preset::takeUserDefined(QList<Shortcut>& shortcuts) const {
    UserDefined userDefined;
    shortcuts.removeIf([&](const Shortcut& shortcut) {
        const std::optional<QString> file = m_userShortcuts.fileDefining(shortcut.text);
        if (file)
            userDefined[shortcut.phrase].append({shortcut.text, *file});
        return file.has_value();
    });
    return userDefined;
}

void Preset::setUserDefined(const UserDefined& userDefined) {
    if (userDefined == m_userDefined)
        return;
    m_userDefined = userDefined;
    emit userDefinedChanged();
}

QCoro::Task<> Preset::unregisterPreset(Preset* preset) {
    co_await preset->m_registry.replacePreset({});
}

QCoro::Task<> Preset::unregisterAll(Preset* preset) {
    co_await preset->m_registry.unregisterAll();
}

void Preset::setInstalledConfiguration(std::optional<PresetConfiguration> configuration) {
    Q_ASSERT(QThread::currentThread() == thread());
    m_installedConfiguration = std::move(configuration);
    m_setting.write(m_installedConfiguration);
    emit installedConfigurationChanged();
}

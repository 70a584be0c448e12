#include "shortcuts/Preset.h"

#include "async/BackgroundCall.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/PresetShortcuts.h"
#include "shortcuts/ShortcutRegistry.h"

#include <QThread>

Preset::Preset(DefaultsStore& defaults, const ResourceLocator& resources,
               const TextMeasurer& measurer, ShortcutRegistry& registry,
               BackgroundTasks& background, QObject* parent)
    : QObject(parent), m_resources(resources), m_measurer(measurer), m_registry(registry),
      m_background(background), m_setting(defaults, SettingsKeys::configuration, std::nullopt),
      m_installedConfiguration(m_setting.read()) {}

QCoro::Task<> Preset::install(PresetConfiguration configuration) {
    co_await BackgroundCall(m_background,
                            [this, configuration] { return registerPreset(this, configuration); });
    setInstalledConfiguration(configuration);
}

QCoro::Task<> Preset::uninstall() {
    if (!m_installedConfiguration)
        co_return;
    co_await BackgroundCall(m_background, [this, configuration = *m_installedConfiguration] {
        return unregisterPreset(this, configuration);
    });
    setInstalledConfiguration(std::nullopt);
}

QCoro::Task<> Preset::uninstallEverything() {
    co_await BackgroundCall(m_background, [this] { return unregisterAll(this); });
    if (m_installedConfiguration)
        setInstalledConfiguration(std::nullopt);
}

QCoro::Task<> Preset::registerPreset(Preset* preset, PresetConfiguration configuration) {
    QList<Shortcut> shortcuts =
        buildPresetShortcuts(preset->m_resources, preset->m_measurer, configuration);
    checkForDuplicates(shortcuts);
    co_await preset->m_registry.registerShortcuts(std::move(shortcuts), true);
}

QCoro::Task<> Preset::unregisterPreset(Preset* preset, PresetConfiguration configuration) {
    co_await preset->m_registry.unregisterShortcuts(
        buildPresetShortcuts(preset->m_resources, preset->m_measurer, configuration));
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

#pragma once

#include "settings/StoredSetting.h"
#include "shortcuts/PresetConfiguration.h"
#include "shortcuts/Shortcut.h"

#include <QCoroTask>
#include <QObject>

class BackgroundTasks;
class ResourceLocator;
class ShortcutRegistry;
class TextMeasurer;

// The installed preset: its configuration, published and kept under
// "configuration", and the installation and removal of its shortcuts.
class Preset : public QObject {
    Q_OBJECT
public:
    Preset(DefaultsStore& defaults, const ResourceLocator& resources, const TextMeasurer& measurer,
           ShortcutRegistry& registry, BackgroundTasks& background, QObject* parent = nullptr);

    const std::optional<PresetConfiguration>& installedConfiguration() const {
        return m_installedConfiguration;
    }

    // Both build the list and change the registry on the background thread,
    // then set the installed configuration here. Call them from the main thread,
    // where the tasks resume; on failure nothing is installed or uninstalled.
    // install() fails with "Duplicates in initial list: [...]" before changing
    // anything when the list repeats a text. It does not remove what an
    // earlier configuration installed: uninstall() first.
    QCoro::Task<> install(PresetConfiguration configuration);
    // With nothing installed, succeeds at once.
    QCoro::Task<> uninstall();
    // Takes every shortcut of the program out of the list, custom ones too,
    // and forgets them; nothing is installed afterwards.
    QCoro::Task<> uninstallEverything();

signals:
    // On every assignment, on the main thread.
    void installedConfigurationChanged();

private:
    static QCoro::Task<> registerPreset(Preset* preset, PresetConfiguration configuration);
    static QCoro::Task<> unregisterPreset(Preset* preset, PresetConfiguration configuration);
    static QCoro::Task<> unregisterAll(Preset* preset);
    void setInstalledConfiguration(std::optional<PresetConfiguration> configuration);

    const ResourceLocator& m_resources;
    const TextMeasurer& m_measurer;
    ShortcutRegistry& m_registry;
    BackgroundTasks& m_background;
    StoredSetting<std::optional<PresetConfiguration>> m_setting;
    std::optional<PresetConfiguration> m_installedConfiguration;
};

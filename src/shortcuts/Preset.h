#pragma once

#include "async/BackgroundTasks.h"
#include "platform/UserTriggerSource.h"
#include "settings/StoredSetting.h"
#include "shortcuts/PresetChoice.h"
#include "shortcuts/PresetConfiguration.h"
#include "shortcuts/Shortcut.h"

#include <QCoroTask>
#include <QHash>
#include <QObject>
#include <memory>

class LineOutput;
class ResourceLocator;
class ShortcutRegistry;
class TextMeasurer;
class UserShortcuts;

// The installed preset: its configuration, published and kept under
// "configuration", and the installation and removal of its shortcuts. A
// preset shortcut whose text the user defined in the text expander's own
// files is left out: the user's own wins. While a change runs, the user's
// choice is kept (PresetChoice), and the next start finishes a change that a
// quit or a kill interrupted.
class Preset : public QObject {
    Q_OBJECT
public:
    Preset(DefaultsStore& defaults, const ResourceLocator& resources, const TextMeasurer& measurer,
           ShortcutRegistry& registry, UserShortcuts& userShortcuts, BackgroundTasks& background,
           QObject* parent = nullptr);

    const std::optional<PresetConfiguration>& installedConfiguration() const {
        return m_installedConfiguration;
    }

    // Both change the registry on the background thread, then set the
    // installed configuration here. Call them from the main thread, where the
    // tasks resume; on failure nothing is installed or uninstalled.
    // install() fails with "Duplicates in initial list: [...]" before changing
    // anything when the list repeats a text. It replaces whatever preset is
    // recorded: what an earlier configuration installed and this one lacks goes.
    QCoro::Task<> install(PresetConfiguration configuration);
    // Forgets every recorded preset shortcut, whatever the lists give today.
    // With nothing installed, succeeds at once. `replacement`: what the caller
    // installs next, which stays the choice to finish until it is installed.
    QCoro::Task<> uninstall(std::optional<PresetConfiguration> replacement = std::nullopt);
    // Takes every shortcut of the program out of the list, custom ones too,
    // and forgets them; nothing is installed afterwards.
    QCoro::Task<> uninstallEverything();

    // The installed preset's shortcuts for the phrase that were left out
    // because the user's own files define their texts, as last found: by the
    // last installation or findUserDefined().
    QList<UserTrigger> userDefined(const QString& phrase) const {
        return m_userDefined.value(phrase);
    }
    // Reads the user's files again, takes the preset shortcuts they now define
    // out of the list, and finds what of the installed preset they define.
    // Runs at launch, after every repair and when the files change.
    QCoro::Task<> findUserDefined();
    // At launch, after the restore: installs (or uninstalls) what the user
    // chose last, when a quit or a kill interrupted the change, and says so.
    QCoro::Task<> finishInterruptedChange(LineOutput& output);

signals:
    // On every assignment, on the main thread.
    void installedConfigurationChanged();
    void userDefinedChanged();

private:
    using UserDefined = QHash<QString, QList<UserTrigger>>;

    static QCoro::Task<> registerPreset(Preset* preset, PresetConfiguration configuration,
                                        std::shared_ptr<UserDefined> leftOut);
    static QCoro::Task<> findLeftOut(Preset* preset,
                                     std::optional<PresetConfiguration> configuration,
                                     std::shared_ptr<UserDefined> leftOut);
    // Takes the shortcuts whose texts the user's files define out of the list.
    UserDefined takeUserDefined(QList<Shortcut>& shortcuts) const;
    void setUserDefined(const UserDefined& userDefined);
    QCoro::Task<> changeRegistry(std::optional<PresetConfiguration> choice,
                                 BackgroundTasks::Job job);
    static QCoro::Task<> unregisterPreset(Preset* preset);
    static QCoro::Task<> unregisterAll(Preset* preset);
    void setInstalledConfiguration(std::optional<PresetConfiguration> configuration);
    // Keeps `configuration` as the choice of the change that begins.
    void choose(const std::optional<PresetConfiguration>& configuration);
    // The change to `configuration` is over: done, or failed and said. A
    // choice made since stays.
    void settle(const std::optional<PresetConfiguration>& configuration);

    const ResourceLocator& m_resources;
    const TextMeasurer& m_measurer;
    ShortcutRegistry& m_registry;
    UserShortcuts& m_userShortcuts;
    BackgroundTasks& m_background;
    StoredSetting<std::optional<PresetConfiguration>> m_setting;
    StoredSetting<std::optional<PresetChoice>> m_choice;
    std::optional<PresetConfiguration> m_installedConfiguration;
    UserDefined m_userDefined;
};

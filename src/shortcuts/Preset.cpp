#include "shortcuts/Preset.h"

#include "async/BackgroundCall.h"
#include "async/CancelledError.h"
#include "platform/LineOutput.h"
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
      m_choice(defaults, SettingsKeys::presetChoice, std::nullopt),
      m_installedConfiguration(m_setting.read()) {
    // The user's files may have changed since the last reading: a repair
    // follows every change.
    connect(&registry, &ShortcutRegistry::scheduledRepairFinished, this,
            [this] { findUserDefined(); });
}

QCoro::Task<> Preset::install(PresetConfiguration configuration) {
    choose(configuration);
    auto leftOut = std::make_shared<UserDefined>();
    // Named, as every task below: g++ 12 destroys the temporaries of a
    // co_await expression twice, and the job is a function.
    QCoro::Task<> registration = changeRegistry(configuration, [this, configuration, leftOut] {
        return registerPreset(this, configuration, leftOut);
    });
    co_await registration;
    setInstalledConfiguration(configuration);
    setUserDefined(*leftOut);
    settle(configuration);
}

QCoro::Task<> Preset::findUserDefined() {
    auto leftOut = std::make_shared<UserDefined>();
    BackgroundCall search(m_background, [this, configuration = m_installedConfiguration, leftOut] {
        return findLeftOut(this, configuration, leftOut);
    });
    co_await search;
    setUserDefined(*leftOut);
}

QCoro::Task<> Preset::uninstall(std::optional<PresetConfiguration> replacement) {
    if (!m_installedConfiguration)
        co_return;
    choose(replacement);
    QCoro::Task<> removal = changeRegistry(replacement, [this] { return unregisterPreset(this); });
    co_await removal;
    setInstalledConfiguration(std::nullopt);
    setUserDefined(UserDefined());
    if (!replacement)
        settle(replacement);
}

QCoro::Task<> Preset::uninstallEverything() {
    choose(std::nullopt);
    QCoro::Task<> removal = changeRegistry(std::nullopt, [this] { return unregisterAll(this); });
    co_await removal;
    if (m_installedConfiguration)
        setInstalledConfiguration(std::nullopt);
    setUserDefined(UserDefined());
    settle(std::nullopt);
}

// A failure that the caller is told of ends the change; a quit's leaves it
// for the next start.
QCoro::Task<> Preset::changeRegistry(std::optional<PresetConfiguration> choice,
                                     BackgroundTasks::Job job) {
    BackgroundCall change(m_background, std::move(job));
    try {
        co_await change;
    } catch (const CancelledError&) {
        throw;
    } catch (...) {
        settle(choice);
        throw;
    }
}

QCoro::Task<> Preset::finishInterruptedChange(LineOutput& output) {
    const std::optional<PresetChoice> choice = m_choice.read();
    if (!choice)
        co_return;
    output.writeLine(QStringLiteral("Finishing the change of the preset shortcuts that was "
                                    "interrupted"));
    try {
        if (choice->configuration)
            co_await install(*choice->configuration);
        else
            co_await uninstall();
    } catch (const CancelledError&) {
        co_return;
    } catch (const std::exception& failure) {
        choose(choice->configuration);
        output.writeLine("Could not finish the change of the preset shortcuts, the next start "
                         "tries again: " +
                         QString::fromUtf8(failure.what()));
        co_return;
    }
    // An uninstallation may have been done but for this.
    settle(choice->configuration);
    qsizetype installed = 0;
    for (const Shortcut& shortcut : m_registry.allShortcuts())
        installed += shortcut.isCustom ? 0 : 1;
    output.writeLine("Finished the change of the preset shortcuts: " +
                     (installed ? QString::number(installed) : QStringLiteral("none")) +
                     " installed");
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

// The installed shortcuts that the user's files define since are taken out;
// then what an earlier installation left out, or this, is found.
QCoro::Task<> Preset::findLeftOut(Preset* preset, std::optional<PresetConfiguration> configuration,
                                  std::shared_ptr<UserDefined> leftOut) {
    preset->m_userShortcuts.refresh();
    co_await preset->m_registry.yieldToUserTriggers(preset->m_userShortcuts);
    if (!configuration)
        co_return;
    QList<Shortcut> shortcuts =
        buildPresetShortcuts(preset->m_resources, preset->m_measurer, *configuration);
    shortcuts.removeIf([preset](const Shortcut& shortcut) {
        return preset->m_registry.shortcuts(shortcut.phrase).contains(shortcut);
    });
    *leftOut = preset->takeUserDefined(shortcuts);
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

void Preset::choose(const std::optional<PresetConfiguration>& configuration) {
    m_choice.write(PresetChoice{configuration});
}

void Preset::settle(const std::optional<PresetConfiguration>& configuration) {
    if (m_choice.read() == PresetChoice{configuration})
        m_choice.remove();
}

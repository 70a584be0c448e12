#pragma once

#include "shortcuts/PresetConfiguration.h"

#include <QCoroTask>
#include <QPointer>
#include <QWidget>
#include <functional>

class Clock;
class DesktopShell;
class FamilyPicker;
class GenderPicker;
class LineOutput;
class Preferences;
class Preset;
class PresetActionButton;
class TonePicker;

namespace LaunchAtLogin {
class Observable;
}

// The general settings page: the preset configuration (appearance, skin tone,
// family) with Install and Uninstall, the Autopaste, launch-at-login and
// system-colour switches, and "Reset App". A new choice while a configuration
// is installed reinstalls at once. The page keeps only what it shows; what is
// installed comes from the preset alone.
class GeneralSettingsView : public QWidget {
    Q_OBJECT
public:
    struct Services {
        DesktopShell& windowManager;
        Preferences& preferences;
        Preset& preset;
        LaunchAtLogin::Observable& launchAtLogin;
        // The pause between the removal and the installation of a reinstall.
        Clock& clock;
        LineOutput& output;
    };

    explicit GeneralSettingsView(Services services, QWidget* parent = nullptr);

    std::optional<PresetConfiguration> selectedConfiguration() const;
    bool isConfigurationInstalled() const { return m_isConfigurationInstalled; }
    bool isInstallationProcess() const { return m_isInstallationProcess; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    using Operation = std::function<QCoro::Task<>()>;

    void showInstalledConfiguration(const std::optional<PresetConfiguration>& configuration);
    void selectionChanged();
    void actionClicked();
    void runPresetOperation(Operation operation);
    void setInstallationProcess(bool busy);
    void showActionButton();

    static QCoro::Task<> runOperation(QPointer<GeneralSettingsView> view, Operation operation);
    static QCoro::Task<> reinstall(Preset& preset, Clock& clock, PresetConfiguration configuration);
    static QCoro::Task<> resetApp(QPointer<GeneralSettingsView> view, Services services);

    Services m_services;
    GenderPicker* m_genderPicker;
    TonePicker* m_tonePicker;
    FamilyPicker* m_familyPicker;
    PresetActionButton* m_actionButton;
    bool m_isConfigurationInstalled = false;
    bool m_isInstallationProcess = false;
};

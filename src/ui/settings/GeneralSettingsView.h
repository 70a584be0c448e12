#pragma once

#include "async/CancellationSource.h"
#include "shortcuts/PresetConfiguration.h"

#include <QCoroTask>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class Clock;
class DesktopShell;
class FamilyPicker;
class GenderPicker;
class KeyboardShortcut;
class LineOutput;
class Preferences;
class Preset;
class PresetActionButton;
class ResourceLocator;
class TextExpanderMonitor;
class TonePicker;

namespace LaunchAtLogin {
class Observable;
}

// The general settings page: the preset configuration (appearance, skin tone,
// family) with Install and Uninstall, the Autopaste switch, the keyboard
// shortcut, the launch-at-login and system-colour switches, and "Reset App". A
// new choice while a configuration is installed reinstalls at once. The page
// keeps only what it shows; what is installed comes from the preset alone.
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
        // Checked again whenever the page is shown.
        TextExpanderMonitor& textExpander;
        // The key that toggles the panel from any application.
        KeyboardShortcut& keyboardShortcut;
        // Why this session cannot autopaste, or what the desktop asks before
        // it lets Tesselle type; empty where there is nothing to say.
        QString autopasteNote;
        // How to open Tesselle where no tray shows its icon; empty where one does.
        QString wayInWithoutTray;
    };

    GeneralSettingsView(Services services, const ResourceLocator& resources,
                        QWidget* parent = nullptr);

    std::optional<PresetConfiguration> selectedConfiguration() const;
    bool isConfigurationInstalled() const { return m_isConfigurationInstalled; }
    bool isInstallationProcess() const { return m_isInstallationProcess; }
    bool isResetting() const { return m_isResetting; }

signals:
    // An operation of this page has ended and its busy state is over.
    void operationFinished();

protected:
    void showEvent(QShowEvent* event) override;

private:
    using Operation = std::function<QCoro::Task<>()>;

    void showInstalledConfiguration(const std::optional<PresetConfiguration>& configuration);
    void selectionChanged();
    void actionClicked();
    void resetClicked();
    void runPresetOperation(Operation operation);
    void setInstallationProcess(bool busy);
    void showActionButton();
    // The alert over the page: what failed, and where the shortcuts stand now.
    void showFailure(const QString& message);

    static QCoro::Task<> runOperation(QPointer<GeneralSettingsView> view, Operation operation);
    static QCoro::Task<> reinstall(Preset& preset, Clock& clock, PresetConfiguration configuration,
                                   CancellationToken stop);
    static QCoro::Task<> resetApp(QPointer<GeneralSettingsView> view, Services services);

    Services m_services;
    GenderPicker* m_genderPicker;
    TonePicker* m_tonePicker;
    FamilyPicker* m_familyPicker;
    PresetActionButton* m_actionButton;
    bool m_isConfigurationInstalled = false;
    bool m_isInstallationProcess = false;
    bool m_isResetting = false;
    // Stops the running reinstall after its pause, for a reset.
    std::shared_ptr<CancellationSource> m_stopOperation;
};

#pragma once

#include "catalogue/Gender.h"
#include "catalogue/Tone.h"

#include <QCoroTask>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

class AppButtonStyle;
class BusyButton;
class GenderPicker;
class Preferences;
class Preset;
class TextExpanderMonitor;
class PlayerView;
class ResourceLocator;
class TonePicker;
class WelcomeViewModel;
class DesktopShell;
struct PresetConfiguration;

namespace LaunchAtLogin {
class Observable;
}

// The welcome window's content: the introduction video, the choice of default
// appearance and skin tone, the launch-at-login switch and "Install Tesselle".
// A successful installation ends the welcome flow; a failed one shows an
// "Error" alert and keeps the choices for another try. Clicks while an
// installation runs are ignored.
class WelcomeView : public QWidget {
    Q_OBJECT
public:
    struct Services {
        Preferences& preferences;
        Preset& preset;
        DesktopShell& windowManager;
        LaunchAtLogin::Observable& launchAtLogin;
        const ResourceLocator& resources;
        // Checked again whenever the window is shown.
        TextExpanderMonitor& textExpander;
    };

    explicit WelcomeView(Services services, QWidget* parent = nullptr);
    ~WelcomeView() override;

    bool canInstall() const { return m_selectedGender && m_selectedTone; }
    // The alert shown while an installation failure is unread; null otherwise.
    QMessageBox* errorAlert() const { return m_errorAlert; }
    WelcomeViewModel& model() const { return *m_model; }
    // "Install Tesselle", busy while an installation runs.
    const BusyButton& installButton() const { return *m_installButton; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static QCoro::Task<> install(QPointer<WelcomeView> view, Preset& preset,
                                 DesktopShell& windowManager, PresetConfiguration configuration);
    void installClicked();
    void showInstallState();
    void showVideo();
    void showError(const QString& message);

    Services m_services;
    WelcomeViewModel* m_model;
    PlayerView* m_playerView;
    GenderPicker* m_genderPicker;
    TonePicker* m_tonePicker;
    BusyButton* m_installButton;
    AppButtonStyle* m_installStyle;
    QPointer<QMessageBox> m_errorAlert;
    std::optional<Gender> m_selectedGender;
    std::optional<Tone> m_selectedTone;
};

#include "ui/welcome/WelcomeView.h"

#include "settings/Preferences.h"
#include "shortcuts/Preset.h"
#include "shortcuts/TextExpanderMonitor.h"
#include "ui/DesktopShell.h"
#include "ui/controls/AccentColor.h"
#include "ui/controls/AppButtonStyle.h"
#include "ui/controls/BlurView.h"
#include "ui/controls/BusyButton.h"
#include "ui/controls/ErrorAlert.h"
#include "ui/controls/LaunchAtLoginToggle.h"
#include "ui/controls/TextShortcutsStatus.h"
#include "ui/settings/GenderPicker.h"
#include "ui/settings/TonePicker.h"
#include "ui/welcome/PlayerView.h"
#include "ui/welcome/WelcomeRowView.h"
#include "ui/welcome/WelcomeViewModel.h"

#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
constexpr int viewWidth = 400;
constexpr int videoHeight = 310;
constexpr int padding = 16;
constexpr qreal cornerRadius = 10;
} // namespace

WelcomeView::WelcomeView(Services services, QWidget* parent)
    : QWidget(parent), m_services(services),
      m_model(new WelcomeViewModel(services.resources, this)), m_playerView(new PlayerView),
      m_genderPicker(new GenderPicker(services.preferences)), m_tonePicker(new TonePicker),
      m_installButton(new BusyButton(tr("Install Tesselle"))),
      m_installStyle(new AppButtonStyle(Qt::gray, m_installButton)) {
    setFixedWidth(viewWidth);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* background = new BlurView(BlurView::sidebarMaterial);
    background->setCornerRadius(cornerRadius);
    outer->addWidget(background);

    auto* stack = new QVBoxLayout(background);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    m_playerView->setFixedHeight(videoHeight);
    m_playerView->setTopCornerRadius(cornerRadius);
    stack->addWidget(m_playerView);

    auto* rows = new QVBoxLayout;
    rows->setContentsMargins(padding, padding, padding, padding);
    rows->setSpacing(0);
    rows->addWidget(new WelcomeRowView(tr("Default appearance:"), m_genderPicker, false));
    rows->addWidget(new WelcomeRowView(tr("Default skin tone:"), m_tonePicker, false));
    rows->addWidget(new WelcomeRowView(
        tr("Open at Login:"), new LaunchAtLogin::Toggle(services.launchAtLogin, QString()), true));
    stack->addLayout(rows);

    auto* buttonRow = new QVBoxLayout;
    buttonRow->setContentsMargins(padding, padding, padding, padding);
    m_installButton->button().setStyle(m_installStyle);
    buttonRow->addWidget(m_installButton);
    // The installation goes ahead without espanso: the list is ready for it.
    buttonRow->addWidget(
        new TextShortcutsStatus(services.textExpander, TextShortcutsStatus::Form::missingOnly));
    stack->addLayout(buttonRow);

    connect(m_genderPicker, &GenderPicker::selectionChanged, this,
            [this](std::optional<Gender> gender) {
                m_selectedGender = gender;
                showInstallState();
            });
    connect(m_tonePicker, &TonePicker::selectionChanged, this, [this](std::optional<Tone> tone) {
        m_selectedTone = tone;
        showInstallState();
    });
    connect(m_installButton, &BusyButton::clicked, this, &WelcomeView::installClicked);
    followAccentColor(*this, services.preferences);
    showInstallState();
    showVideo();
}

WelcomeView::~WelcomeView() = default;

void WelcomeView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        m_services.textExpander.refresh();
}

void WelcomeView::showInstallState() {
    m_installButton->button().setEnabled(canInstall());
    m_installStyle->setColor(canInstall() ? brandAccentColor() : QColor(Qt::gray));
}

// The desktop switched between light and dark: the other video, from its start.
void WelcomeView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        showVideo();
}

void WelcomeView::showVideo() {
    m_playerView->setPlayer(m_model->player(colorScheme(palette())));
}

void WelcomeView::installClicked() {
    if (!canInstall())
        return;
    const PresetConfiguration configuration{*m_selectedGender, *m_selectedTone, std::nullopt};
    m_installButton->setBusy(true);
    install(this, m_services.preset, m_services.windowManager, configuration);
}

QCoro::Task<> WelcomeView::install(QPointer<WelcomeView> view, Preset& preset,
                                   DesktopShell& windowManager, PresetConfiguration configuration) {
    QString failure;
    try {
        co_await preset.install(configuration);
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    }
    // The window may have gone while the installation ran.
    if (!view)
        co_return;
    // Success closes the window, busy to the end.
    if (failure.isNull()) {
        windowManager.finishWelcome();
        co_return;
    }
    view->m_installButton->setBusy(false);
    view->showError(failure);
}

void WelcomeView::showError(const QString& message) {
    m_errorAlert = showErrorAlert(this, message);
}

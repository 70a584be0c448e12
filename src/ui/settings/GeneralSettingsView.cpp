#include "ui/settings/GeneralSettingsView.h"

#include "app/DesktopShell.h"
#include "app/LaunchAtLoginToggle.h"
#include "platform/LineOutput.h"
#include "settings/Preferences.h"
#include "shortcuts/Clock.h"
#include "shortcuts/Preset.h"
#include "ui/controls/Divider.h"
#include "ui/controls/Switch.h"
#include "ui/settings/FamilyPicker.h"
#include "ui/settings/GenderPicker.h"
#include "ui/settings/PresetActionButton.h"
#include "ui/settings/SettingsRowView.h"
#include "ui/settings/TonePicker.h"

#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr int spacing = 8;
constexpr int pageMargin = 8;
constexpr int actionsMargin = 3;
constexpr int toneRowHeight = 20;
constexpr std::chrono::nanoseconds reinstallPause(3'500'000'000);

const char* const appearanceHint =
    "Choose your default appearance for shortcuts with multiple options, like which "
    "/raisinghand emoji to use. \U0001F64B \U0001F64B\u200D\u2640\uFE0F "
    "\U0001F64B\u200D\u2642\uFE0F";
const char* const toneHint =
    "Set your personal skin tone for people emojis that have multiple options, like which "
    "/dance emoji to use. \U0001F57A\U0001F57A\U0001F3FB\U0001F57A\U0001F3FC\U0001F57A\U0001F3FD"
    "\U0001F57A\U0001F3FE\U0001F57A\U0001F3FF";
const char* const familyHint = "Select a default /family emoji to use for quick access. We plan "
                               "to add more customizable options in the future.";
const char* const autopasteHint =
    "Double-clicking an emoji will copy it by default. With Autopaste, selected emojis will "
    "automatically paste into your most recent text field. Note: this requires some one-time "
    "system permissions.";
const char* const startupHint = "Automatically open Tesselle when you log in to your computer. "
                                "(Psst\u2026 here's an easter egg for reading tooltips! "
                                "\U0001F407\U0001F95A)";
const char* const colorHint = "Some highlight colors will use your system's default accent color "
                              "instead of Verbena Yellow. \U0001F3A8";

QWidget* dividerWithPadding() {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, spacing, 0, spacing);
    layout->addWidget(new Divider);
    return box;
}

Switch* preferenceSwitch(const QString& label, bool value) {
    auto* control = new Switch(label);
    control->setChecked(value);
    return control;
}

} // namespace

GeneralSettingsView::GeneralSettingsView(Services services, QWidget* parent)
    : QWidget(parent), m_services(services), m_genderPicker(new GenderPicker(services.preferences)),
      m_tonePicker(new TonePicker), m_familyPicker(new FamilyPicker(services.preferences)),
      m_actionButton(new PresetActionButton) {
    Preferences& preferences = services.preferences;
    auto* column = new QVBoxLayout(this);
    // Keeps the rows off the frame of the tab view above and below; the
    // widest row, the colour switch, takes the whole width.
    column->setContentsMargins(0, pageMargin, 0, pageMargin);
    column->setSpacing(spacing);

    m_tonePicker->setFixedHeight(toneRowHeight);
    column->addWidget(new SettingsRowView("Default appearance", appearanceHint, m_genderPicker));
    column->addWidget(new SettingsRowView("Default skin tone", toneHint, m_tonePicker));
    column->addWidget(new SettingsRowView("Default /family", familyHint, m_familyPicker));
    column->addWidget(dividerWithPadding());

    Switch* autoPaste = preferenceSwitch("Autopaste", preferences.autoPaste());
    connect(autoPaste, &Switch::toggled, &preferences, &Preferences::setAutoPaste);
    connect(&preferences, &Preferences::autoPasteChanged, autoPaste, &Switch::setChecked);
    column->addWidget(new SettingsRowView("Advanced", autopasteHint, autoPaste));
    column->addWidget(
        new SettingsRowView("Startup", startupHint,
                            new LaunchAtLogin::Toggle(services.launchAtLogin, "Open at login")));
    Switch* systemColor =
        preferenceSwitch("Use default system color", preferences.useSystemColor());
    connect(systemColor, &Switch::toggled, &preferences, &Preferences::setUseSystemColor);
    connect(&preferences, &Preferences::useSystemColorChanged, systemColor, &Switch::setChecked);
    column->addWidget(new SettingsRowView("Color", colorHint, systemColor));
    column->addWidget(dividerWithPadding());

    auto* actions = new QHBoxLayout;
    actions->setContentsMargins(actionsMargin, 0, actionsMargin, 0);
    auto* reset = new QPushButton(QStringLiteral("Reset App"));
    actions->addWidget(reset);
    actions->addStretch(1);
    actions->addWidget(m_actionButton);
    column->addLayout(actions);

    connect(m_genderPicker, &GenderPicker::selectionChanged, this,
            &GeneralSettingsView::selectionChanged);
    connect(m_tonePicker, &TonePicker::selectionChanged, this,
            &GeneralSettingsView::selectionChanged);
    connect(m_familyPicker, &FamilyPicker::selectionChanged, this,
            &GeneralSettingsView::selectionChanged);
    connect(m_actionButton, &PresetActionButton::clicked, this,
            &GeneralSettingsView::actionClicked);
    connect(reset, &QPushButton::clicked, this, [this] { resetApp(this, m_services); });
    // Every change of the installed configuration shows on a later turn of the
    // event loop, as it stands then.
    connect(
        &services.preset, &Preset::installedConfigurationChanged, this,
        [this] { showInstalledConfiguration(m_services.preset.installedConfiguration()); },
        Qt::QueuedConnection);
    showInstalledConfiguration(services.preset.installedConfiguration());
}

std::optional<PresetConfiguration> GeneralSettingsView::selectedConfiguration() const {
    const std::optional<Gender> gender = m_genderPicker->selection();
    const std::optional<Tone> tone = m_tonePicker->selection();
    if (!gender || !tone)
        return std::nullopt;
    return PresetConfiguration{*gender, *tone, m_familyPicker->selection()};
}

// Choices made while nothing is installed are forgotten when the page shows again.
void GeneralSettingsView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        showInstalledConfiguration(m_services.preset.installedConfiguration());
}

// The pickers change without announcing it, so showing what is installed never
// starts a reinstall: the selection then equals the installed configuration.
void GeneralSettingsView::showInstalledConfiguration(
    const std::optional<PresetConfiguration>& configuration) {
    m_tonePicker->setSelection(configuration ? std::optional(configuration->tone) : std::nullopt);
    m_genderPicker->setSelection(configuration ? std::optional(configuration->gender)
                                               : std::nullopt);
    m_familyPicker->setSelection(configuration ? configuration->family : std::nullopt);
    m_isConfigurationInstalled = configuration.has_value();
    showActionButton();
}

// A choice the user made in one of the pickers. While an operation of this page
// runs, a change starts nothing: two reinstalls at once would each install
// their own configuration, and the shortcuts of the first would stay behind.
void GeneralSettingsView::selectionChanged() {
    showActionButton();
    if (!m_isConfigurationInstalled || m_isInstallationProcess)
        return;
    const std::optional<PresetConfiguration> selected = selectedConfiguration();
    if (!selected || m_services.preset.installedConfiguration() == selected)
        return;
    Preset& preset = m_services.preset;
    Clock& clock = m_services.clock;
    runPresetOperation([&preset, &clock, configuration = *selected] {
        return reinstall(preset, clock, configuration);
    });
}

void GeneralSettingsView::actionClicked() {
    if (m_isConfigurationInstalled) {
        Preset& preset = m_services.preset;
        runPresetOperation([&preset] { return preset.uninstall(); });
        return;
    }
    const std::optional<PresetConfiguration> selected = selectedConfiguration();
    if (!selected)
        return;
    Preset& preset = m_services.preset;
    runPresetOperation(
        [&preset, configuration = *selected] { return preset.install(configuration); });
}

void GeneralSettingsView::runPresetOperation(Operation operation) {
    runOperation(this, std::move(operation));
}

QCoro::Task<> GeneralSettingsView::runOperation(QPointer<GeneralSettingsView> view,
                                                Operation operation) {
    view->setInstallationProcess(true);
    Preset& preset = view->m_services.preset;
    LineOutput& output = view->m_services.output;
    bool succeeded = false;
    try {
        co_await operation();
        succeeded = true;
    } catch (const std::exception& error) {
        output.writeLine(QString::fromUtf8(error.what()));
    }
    if (!view)
        co_return;
    if (succeeded)
        view->showInstalledConfiguration(preset.installedConfiguration());
    // The busy state ends on a later turn of the event loop.
    QMetaObject::invokeMethod(
        view, [view] { view->setInstallationProcess(false); }, Qt::QueuedConnection);
}

QCoro::Task<> GeneralSettingsView::reinstall(Preset& preset, Clock& clock,
                                             PresetConfiguration configuration) {
    co_await preset.uninstall();
    co_await clock.sleepFor(reinstallPause);
    co_await preset.install(configuration);
}

QCoro::Task<> GeneralSettingsView::resetApp(QPointer<GeneralSettingsView> view, Services services) {
    try {
        co_await services.preset.uninstall();
    } catch (const std::exception&) {
        co_return;
    }
    services.preferences.reset();
    if (view && view->window() != view)
        view->window()->close();
    services.windowManager.showWelcomeWindowIfNeeded();
}

void GeneralSettingsView::setInstallationProcess(bool busy) {
    m_isInstallationProcess = busy;
    m_actionButton->setBusy(busy);
}

void GeneralSettingsView::showActionButton() {
    const bool canInstall = m_genderPicker->selection() && m_tonePicker->selection();
    m_actionButton->showInstalled(m_isConfigurationInstalled, canInstall);
}

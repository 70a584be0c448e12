#include "ui/settings/GeneralSettingsView.h"

#include "async/CancelledError.h"
#include "async/Clock.h"
#include "platform/LineOutput.h"
#include "settings/Preferences.h"
#include "shortcuts/Preset.h"
#include "shortcuts/TextExpanderMonitor.h"
#include "ui/DesktopShell.h"
#include "ui/controls/Divider.h"
#include "ui/controls/ErrorAlert.h"
#include "ui/controls/LaunchAtLoginToggle.h"
#include "ui/controls/Switch.h"
#include "ui/controls/TextShortcutsStatus.h"
#include "ui/settings/FamilyPicker.h"
#include "ui/settings/GenderPicker.h"
#include "ui/settings/KeyboardShortcutField.h"
#include "ui/settings/PresetActionButton.h"
#include "ui/settings/SettingsRowView.h"
#include "ui/settings/TonePicker.h"

#include <QCoroSignal>
#include <QLabel>
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
const char* const keyboardShortcutHint =
    "This key opens and closes Tesselle from any application. Click the field and press a key "
    "with Ctrl, Alt or Super, or a function key; Clear leaves Tesselle without a key.";
const char* const trayIconHint =
    "Tesselle lives in the tray where the desktop has one. Without it, Tesselle opens its "
    "panel when it starts.";
const char* const startupHint = "Automatically open Tesselle when you log in to your computer. "
                                "(Psst\u2026 here's an easter egg for reading tooltips! "
                                "\U0001F407\U0001F95A)";
const char* const textShortcutsHint =
    "Your shortcuts are typed by espanso, a text expander that Tesselle fills with them. This "
    "row says whether espanso is there and running.";
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

GeneralSettingsView::GeneralSettingsView(Services services, const ResourceLocator& resources,
                                         QWidget* parent)
    : QWidget(parent), m_services(services), m_genderPicker(new GenderPicker(services.preferences)),
      m_tonePicker(new TonePicker), m_familyPicker(new FamilyPicker(services.preferences)),
      m_actionButton(new PresetActionButton),
      m_stopOperation(std::make_shared<CancellationSource>()) {
    Preferences& preferences = services.preferences;
    auto* column = new QVBoxLayout(this);
    // Keeps the rows off the frame of the tab view above and below; the
    // widest row, the colour switch, takes the whole width.
    column->setContentsMargins(0, pageMargin, 0, pageMargin);
    column->setSpacing(spacing);

    auto* status = new TextShortcutsStatus(services.textExpander, TextShortcutsStatus::Form::row);
    column->addWidget(new SettingsRowView("Text shortcuts", textShortcutsHint, status, resources));
    connect(&services.textExpander, &TextExpanderMonitor::startFailed, this,
            [this](const QString& reason) { showErrorAlert(this, reason); });
    m_tonePicker->setFixedHeight(toneRowHeight);
    column->addWidget(
        new SettingsRowView("Default appearance", appearanceHint, m_genderPicker, resources));
    column->addWidget(new SettingsRowView("Default skin tone", toneHint, m_tonePicker, resources));
    column->addWidget(
        new SettingsRowView("Default /family", familyHint, m_familyPicker, resources));
    column->addWidget(dividerWithPadding());

    Switch* autoPaste = preferenceSwitch("Autopaste", preferences.autoPaste());
    connect(autoPaste, &Switch::toggled, &preferences, &Preferences::setAutoPaste);
    connect(&preferences, &Preferences::autoPasteChanged, autoPaste, &Switch::setChecked);
    const QString note = services.autopasteNote;
    column->addWidget(new SettingsRowView(
        "Advanced", note.isEmpty() ? autopasteHint : autopasteHint + (' ' + note), autoPaste,
        resources));
    column->addWidget(new SettingsRowView("Keyboard shortcut", keyboardShortcutHint,
                                          new KeyboardShortcutField(services.keyboardShortcut),
                                          resources));
    if (!services.wayInWithoutTray.isEmpty()) {
        auto* wayIn = new QLabel(services.wayInWithoutTray);
        wayIn->setObjectName(QStringLiteral("wayIn"));
        wayIn->setTextFormat(Qt::PlainText);
        wayIn->setWordWrap(true);
        column->addWidget(new SettingsRowView("Tray icon", trayIconHint, wayIn, resources));
    }
    column->addWidget(new SettingsRowView(
        "Startup", startupHint, new LaunchAtLogin::Toggle(services.launchAtLogin, "Open at login"),
        resources));
    Switch* systemColor =
        preferenceSwitch("Use default system color", preferences.useSystemColor());
    connect(systemColor, &Switch::toggled, &preferences, &Preferences::setUseSystemColor);
    connect(&preferences, &Preferences::useSystemColorChanged, systemColor, &Switch::setChecked);
    column->addWidget(new SettingsRowView("Color", colorHint, systemColor, resources));
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
    connect(reset, &QPushButton::clicked, this, &GeneralSettingsView::resetClicked);
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
    if (event->spontaneous())
        return;
    showInstalledConfiguration(m_services.preset.installedConfiguration());
    m_services.textExpander.refresh();
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
    runPresetOperation([&preset, &clock, configuration = *selected, stop = m_stopOperation] {
        return reinstall(preset, clock, configuration, stop->token());
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

// A failure is shown over the page, which then shows what is installed; with
// nothing installed it keeps the user's choice, so that "Install" tries it again.
QCoro::Task<> GeneralSettingsView::runOperation(QPointer<GeneralSettingsView> view,
                                                Operation operation) {
    view->setInstallationProcess(true);
    const std::optional<PresetConfiguration> choice = view->selectedConfiguration();
    Preset& preset = view->m_services.preset;
    LineOutput& output = view->m_services.output;
    QString failure;
    try {
        co_await operation();
    } catch (const CancelledError&) {
        // Stopped for a reset, which says what became of it.
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
        output.writeLine(failure);
    }
    if (!view)
        co_return;
    // On a later turn of the event loop, after the notices of what the
    // operation changed, so that they do not undo what is shown here.
    QMetaObject::invokeMethod(
        view,
        [view, &preset, choice, failure] {
            const std::optional<PresetConfiguration>& installed = preset.installedConfiguration();
            view->showInstalledConfiguration(installed || failure.isNull() ? installed : choice);
            view->m_isConfigurationInstalled = installed.has_value();
            view->showActionButton();
            view->setInstallationProcess(false);
            if (!failure.isNull())
                view->showFailure(failure);
            emit view->operationFinished();
        },
        Qt::QueuedConnection);
}

QCoro::Task<> GeneralSettingsView::reinstall(Preset& preset, Clock& clock,
                                             PresetConfiguration configuration,
                                             CancellationToken stop) {
    co_await preset.uninstall();
    co_await clock.sleepFor(reinstallPause);
    if (stop.isCancelled())
        throw CancelledError();
    co_await preset.install(configuration);
}

void GeneralSettingsView::resetClicked() {
    if (m_isResetting)
        return;
    m_isResetting = true;
    m_stopOperation->cancel();
    resetApp(this, m_services);
}

// Everything the program installed and remembers goes, custom shortcuts,
// favourites and recents included, after the running operation has stopped.
QCoro::Task<> GeneralSettingsView::resetApp(QPointer<GeneralSettingsView> view, Services services) {
    if (view->m_isInstallationProcess)
        co_await qCoro(view.data(), &GeneralSettingsView::operationFinished);
    QString failure;
    try {
        co_await services.preset.uninstallEverything();
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
        services.output.writeLine(failure);
    }
    if (view) {
        view->m_isResetting = false;
        view->m_stopOperation = std::make_shared<CancellationSource>();
    }
    if (!failure.isNull()) {
        if (view)
            view->showFailure(failure + "\n\nNothing was reset.");
        co_return;
    }
    services.preferences.reset();
    if (view && view->window() != view)
        view->window()->close();
    services.windowManager.showWelcomeWindowIfNeeded();
}

void GeneralSettingsView::showFailure(const QString& message) {
    const QString state = m_services.preset.installedConfiguration()
                              ? QStringLiteral("The shortcuts of the preset shown are installed.")
                              : QStringLiteral("No preset shortcuts are installed.");
    showErrorAlert(this, message + "\n\n" + state);
}

void GeneralSettingsView::setInstallationProcess(bool busy) {
    m_isInstallationProcess = busy;
    m_actionButton->setBusy(busy);
}

void GeneralSettingsView::showActionButton() {
    const bool canInstall = m_genderPicker->selection() && m_tonePicker->selection();
    m_actionButton->showInstalled(m_isConfigurationInstalled, canInstall);
}

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
#include "ui/controls/ShownMessage.h"
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

// The hints' emoji stay out of the translated texts.
const char* const appearanceHint =
    QT_TRANSLATE_NOOP("GeneralSettingsView",
                      "Choose your default appearance for shortcuts with multiple options, like "
                      "which /raisinghand emoji to use.");
const char* const appearanceHintEmoji =
    " \U0001F64B \U0001F64B\u200D\u2640\uFE0F \U0001F64B\u200D\u2642\uFE0F";
const char* const toneHint =
    QT_TRANSLATE_NOOP("GeneralSettingsView",
                      "Set your personal skin tone for people emojis that have multiple options, "
                      "like which /dance emoji to use.");
const char* const toneHintEmoji = " \U0001F57A\U0001F57A\U0001F3FB\U0001F57A\U0001F3FC\U0001F57A"
                                  "\U0001F3FD\U0001F57A\U0001F3FE\U0001F57A\U0001F3FF";
const char* const familyHint =
    QT_TRANSLATE_NOOP("GeneralSettingsView",
                      "Select a default /family emoji to use for quick access. We plan to add more "
                      "customizable options in the future.");
const char* const autopasteHint = QT_TRANSLATE_NOOP(
    "GeneralSettingsView",
    "Double-clicking an emoji will copy it by default. With Autopaste, selected emojis will "
    "automatically paste into your most recent text field. Note: this requires some one-time "
    "system permissions.");
const char* const keyboardShortcutHint = QT_TRANSLATE_NOOP(
    "GeneralSettingsView",
    "This key opens and closes Tesselle from any application. Click the field and press a key "
    "with Ctrl, Alt or Super, or a function key; Clear leaves Tesselle without a key.");
// %1 is the easter egg.
const char* const startupHint = QT_TRANSLATE_NOOP(
    "GeneralSettingsView", "Automatically open Tesselle when you log in to your computer. (Psst… "
                           "here's an easter egg for reading tooltips! %1)");
const char* const startupHintEmoji = "\U0001F407\U0001F95A";
const char* const trayIconHint = QT_TRANSLATE_NOOP(
    "GeneralSettingsView", "Tesselle lives in the tray where the desktop has one. Without it, "
                           "Tesselle opens its panel when it starts.");
const char* const textShortcutsHint = QT_TRANSLATE_NOOP(
    "GeneralSettingsView",
    "Your shortcuts are typed by espanso, a text expander that Tesselle fills with them. This "
    "row says whether espanso is there and running.");
const char* const colorHint =
    QT_TRANSLATE_NOOP("GeneralSettingsView",
                      "Some highlight colors will use your system's default accent color instead "
                      "of Verbena Yellow.");
const char* const colorHintEmoji = " \U0001F3A8";

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
    column->addWidget(
        new SettingsRowView(tr("Text shortcuts"), tr(textShortcutsHint), status, resources));
    connect(&services.textExpander, &TextExpanderMonitor::startFailed, this,
            [this](const QString& reason) { showErrorAlert(this, reason); });
    m_tonePicker->setFixedHeight(toneRowHeight);
    column->addWidget(new SettingsRowView(
        tr("Default appearance"), tr(appearanceHint) + QString::fromUtf8(appearanceHintEmoji),
        m_genderPicker, resources));
    column->addWidget(new SettingsRowView(tr("Default skin tone"),
                                          tr(toneHint) + QString::fromUtf8(toneHintEmoji),
                                          m_tonePicker, resources));
    column->addWidget(
        new SettingsRowView(tr("Default /family"), tr(familyHint), m_familyPicker, resources));
    column->addWidget(dividerWithPadding());

    Switch* autoPaste = preferenceSwitch(tr("Autopaste"), preferences.autoPaste());
    connect(autoPaste, &Switch::toggled, &preferences, &Preferences::setAutoPaste);
    connect(&preferences, &Preferences::autoPasteChanged, autoPaste, &Switch::setChecked);
    const QString note = shownMessage(services.autopasteNote);
    column->addWidget(new SettingsRowView(
        tr("Advanced"), note.isEmpty() ? tr(autopasteHint) : tr(autopasteHint) + ' ' + note,
        autoPaste, resources));
    column->addWidget(new SettingsRowView(tr("Keyboard shortcut"), tr(keyboardShortcutHint),
                                          new KeyboardShortcutField(services.keyboardShortcut),
                                          resources));
    if (!services.wayInWithoutTray.isEmpty()) {
        auto* wayIn = new QLabel(shownMessage(services.wayInWithoutTray));
        wayIn->setObjectName(QStringLiteral("wayIn"));
        wayIn->setTextFormat(Qt::PlainText);
        wayIn->setWordWrap(true);
        column->addWidget(new SettingsRowView(tr("Tray icon"), tr(trayIconHint), wayIn, resources));
    }
    column->addWidget(new SettingsRowView(
        tr("Startup"), tr(startupHint).arg(QString::fromUtf8(startupHintEmoji)),
        new LaunchAtLogin::Toggle(services.launchAtLogin, tr("Open at login")), resources));
    Switch* systemColor =
        preferenceSwitch(tr("Use default system color"), preferences.useSystemColor());
    connect(systemColor, &Switch::toggled, &preferences, &Preferences::setUseSystemColor);
    connect(&preferences, &Preferences::useSystemColorChanged, systemColor, &Switch::setChecked);
    column->addWidget(new SettingsRowView(
        tr("Color"), tr(colorHint) + QString::fromUtf8(colorHintEmoji), systemColor, resources));
    SettingsRowView::alignTitles(findChildren<SettingsRowView*>());
    column->addWidget(dividerWithPadding());

    auto* actions = new QHBoxLayout;
    actions->setContentsMargins(actionsMargin, 0, actionsMargin, 0);
    auto* reset = new QPushButton(tr("Reset App"));
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
    // The new choice is kept from here on: a quit before it is installed
    // leaves it for the next start to finish.
    co_await preset.uninstall(configuration);
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
            view->showFailure(shownMessage(failure) + "\n\n" + tr("Nothing was reset."));
        co_return;
    }
    services.preferences.reset();
    if (view && view->window() != view)
        view->window()->close();
    services.windowManager.showWelcomeWindowIfNeeded();
}

void GeneralSettingsView::showFailure(const QString& message) {
    const QString state = m_services.preset.installedConfiguration()
                              ? tr("The shortcuts of the preset shown are installed.")
                              : tr("No preset shortcuts are installed.");
    showErrorAlert(this, shownMessage(message) + "\n\n" + state);
}

void GeneralSettingsView::setInstallationProcess(bool busy) {
    m_isInstallationProcess = busy;
    m_actionButton->setBusy(busy);
}

void GeneralSettingsView::showActionButton() {
    const bool canInstall = m_genderPicker->selection() && m_tonePicker->selection();
    m_actionButton->showInstalled(m_isConfigurationInstalled, canInstall);
}

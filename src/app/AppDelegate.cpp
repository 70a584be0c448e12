#include "app/AppDelegate.h"

#include "async/BackgroundCall.h"
#include "async/BackgroundTasks.h"
#include "catalogue/MeasurementWarmUp.h"
#include "platform/AppInfo.h"
#include "platform/LineOutput.h"
#include "platform/UsageReporting.h"
#include "shortcuts/ShortcutLifecycle.h"
#include "shortcuts/TextExpanderMonitor.h"

#include <QLocale>
#include <QTimer>

AppDelegate::AppDelegate(Services services, QObject* parent)
    : QObject(parent), m_services(std::move(services)),
      m_preferences(m_services.defaults, m_services.loginItems),
      m_preset(m_services.defaults, m_services.resources, m_services.measurer, m_services.registry,
               m_services.userShortcuts, m_services.background) {}

AppDelegate::~AppDelegate() = default;

DesktopShell& AppDelegate::windowManager() {
    if (!m_windowManager)
        m_windowManager = m_services.makeWindowManager(*this);
    return *m_windowManager;
}

void AppDelegate::applicationDidFinishLaunching() {
    startUsageReporting();
    windowManager().setupStatusItem();
    QTimer::singleShot(m_services.welcomeDelay, this,
                       [this] { windowManager().showWelcomeWindowIfNeeded(); });
    m_services.textExpander.refresh();
    restoreShortcuts(this);
    // Measuring every symbol once now, off the main thread, spares the first
    // opening of the picker and the first installation that wait.
    warmUpMeasurements(m_services.background, m_services.resources, m_services.measurer);
}

void AppDelegate::applicationWillTerminate() {
    if (m_terminated)
        return;
    m_terminated = true;
    ShortcutLifecycle& shortcuts = m_services.shortcuts;
    LineOutput& output = m_services.output;
    // Read only once the job has finished: a job given up on may still write it.
    auto failure = std::make_shared<QString>();
    const bool finished = m_services.background.runAndWait(
        [&shortcuts, &output, failure] { return removeShortcuts(shortcuts, output, failure); },
        m_services.quitPatience);
    if (!finished) {
        m_isQuitUnfinished = true;
        m_quitFailure = QStringLiteral("Gave up waiting %1 ms for the list to let go of the "
                                       "shortcuts: they may still be in it")
                            .arg(m_services.quitPatience.count());
        output.writeLine(m_quitFailure);
    } else {
        m_quitFailure = *failure;
    }
    m_exitCode = m_quitFailure.isEmpty() ? 0 : 1;
}

QCoro::Task<> AppDelegate::removeShortcuts(ShortcutLifecycle& shortcuts, LineOutput& output,
                                           std::shared_ptr<QString> failure) {
    try {
        co_await shortcuts.removeAllShortcuts();
    } catch (const std::exception& error) {
        const QString message = QString::fromUtf8(error.what());
        output.writeLine("Error message: " + message);
        *failure = message.isEmpty() ? QStringLiteral("The list could not be emptied") : message;
    }
}

// Then the change of the preset that a quit or a kill interrupted, and what
// the user's own espanso files define of the installed preset.
QCoro::Task<> AppDelegate::restoreShortcuts(QPointer<AppDelegate> delegate) {
    ShortcutLifecycle& shortcuts = delegate->m_services.shortcuts;
    co_await BackgroundCall(delegate->m_services.background,
                            [&shortcuts] { return shortcuts.restoreShortcuts(); });
    if (delegate)
        co_await delegate->m_preset.finishInterruptedChange(delegate->m_services.output);
    if (delegate)
        co_await delegate->m_preset.findUserDefined();
}

void AppDelegate::startUsageReporting() {
    UsageReporting& reporting = m_services.usageReporting;
    const QString identifier =
        m_services.appInfo.value(QStringLiteral("appcenter_id")).value_or(QStringLiteral("error"));
    reporting.start(identifier, UsageReporting::Analytics | UsageReporting::Crashes);
    reporting.setLogLevel(99);
    const QLocale::Territory territory = QLocale().territory();
    if (territory != QLocale::AnyTerritory)
        reporting.setCountryCode(QLocale::territoryToCode(territory));
    reporting.setCrashReportingEnabled(true);
}

#include "app/LinuxPlatform.h"

#include "app/GlobalShortcutChoice.h"
#include "app/PasteServiceChoice.h"
#include "app/WindowPlacerChoice.h"
#include "platform/AppInfo.h"
#include "platform/linux/EspansoConfigFolder.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QSystemTrayIcon>

LinuxPlatform::LinuxPlatform(const Given& given)
    : m_given(given), m_systemLog(QStringLiteral("tesselle")),
      m_resources(ResourceFolder::besideApplication()),
      m_loginItems(XdgAutostart::defaultEntryPath(given.appInfo.identifier()),
                   QCoreApplication::applicationFilePath(), m_systemLog),
      m_pasteService(choosePasteService(
          given.session, !QStandardPaths::findExecutable(QStringLiteral("wtype")).isEmpty(),
          given.defaults)),
      // espanso is asked where its folder is when the launch restore opens the list.
      m_list([] { return EspansoConfigFolder::locate(); }, given.defaults, given.output),
      m_userTriggers([this] { return m_list.matchFolder(); }, given.output),
      // A key that toggles the panel from any application, where the session
      // lets the program, or the desktop for it, hold one.
      m_globalShortcut(chooseGlobalShortcut(given.session)),
      m_windowPlacer(chooseWindowPlacer(given.session, GraphicalSession::processEnvironment())) {}

LinuxPlatform::~LinuxPlatform() = default;

PlatformServices LinuxPlatform::services() {
    return {m_given.defaults, m_given.output,
            m_given.appInfo,  m_resources,
            m_loginItems,     m_pasteboard,
            *m_pasteService,  m_usageReporting,
            m_clock,          m_measurer,
            m_list,           m_userTriggers,
            m_espanso,        m_globalShortcut.get(),
            m_given.session,  m_given.devicePixelRatio};
}

ShellDesktop LinuxPlatform::desktop() {
    ShellDesktop desktop;
    desktop.bus = QDBusConnection::sessionBus();
    desktop.placer = m_windowPlacer.get();
    desktop.isSystemTrayAvailable = &QSystemTrayIcon::isSystemTrayAvailable;
    return desktop;
}

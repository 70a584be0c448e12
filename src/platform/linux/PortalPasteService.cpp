#include "platform/linux/PortalPasteService.h"

#include "platform/MessageError.h"
#include "platform/linux/DesktopPortal.h"
#include "platform/linux/UnavailablePasteService.h"
#include "settings/SettingsKeys.h"

#include <QDBusObjectPath>
#include <QDBusVariant>
#include <vector>

namespace {

using namespace std::chrono_literals;

// g++ 12 cannot copy a literal of a co_await expression into the coroutine's
// frame: the names and keys are constants.
const QString remoteDesktop = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
const QString selectDevices = QStringLiteral("SelectDevices");
const QString start = QStringLiteral("Start");
const QString notifyKeysym = QStringLiteral("NotifyKeyboardKeysym");
const QString devicesKey = QStringLiteral("devices");
const QString restoreTokenKey = QStringLiteral("restore_token");
const QString noSession =
    QStringLiteral("The desktop portal did not open a remote desktop session");
const QString notYetAllowed = QStringLiteral("The desktop has not yet allowed Tesselle to type: "
                                             "the emoji is on the clipboard, paste it with Ctrl+V");
const QString refused = QStringLiteral("The desktop did not allow Tesselle to type into other "
                                       "windows; Tesselle asks again at its next start.");
constexpr uint keyboardDevice = 1;
// Kept until the user revokes it, where the interface can restore sessions.
constexpr uint persistUntilRevoked = 2;
constexpr uint firstVersionWithRestore = 2;
constexpr std::chrono::milliseconds propertyPatience = 5s;
// The user may take a while to answer the desktop's question.
constexpr std::chrono::milliseconds answerPatience = 120s;

constexpr int controlKeysym = 0xffe3; // Control_L
constexpr int vKeysym = 0x0076;
constexpr uint pressed = 1;
constexpr uint released = 0;

} // namespace

PortalPasteService::PortalPasteService(QDBusConnection bus, DefaultsStore& settings)
    : m_bus(std::move(bus)),
      m_restoreToken(settings, SettingsKeys::remoteDesktopRestoreToken, QString()) {
    QObject::connect(&m_sessionClosed, &DBusSignal::received, [this](const QDBusMessage& closed) {
        if (closed.path() == m_session)
            m_session.clear();
    });
}

void PortalPasteService::prepare() {
    const std::optional<QVariant> version =
        DesktopPortal::property(m_bus, remoteDesktop, QStringLiteral("version"), propertyPatience);
    if (!version) {
        m_unavailable = QStringLiteral("This desktop offers no remote desktop portal, through "
                                       "which Tesselle would type into other windows.");
        return;
    }
    m_version = version->toUInt();
    const std::optional<QVariant> devices = DesktopPortal::property(
        m_bus, remoteDesktop, QStringLiteral("AvailableDeviceTypes"), propertyPatience);
    if (devices && !(devices->toUInt() & keyboardDevice))
        m_unavailable = QStringLiteral("This desktop's remote desktop portal offers no keyboard.");
}

QString PortalPasteService::permissionNote() const {
    if (!m_unavailable.isEmpty() || m_version >= firstVersionWithRestore)
        return {};
    return QStringLiteral("This desktop asks for it once in every session.");
}

QCoro::Task<> PortalPasteService::pasteIntoRememberedWindow(QString) {
    if (!m_unavailable.isEmpty())
        throw MessageError(UnavailablePasteService::notice());
    if (m_session.isEmpty()) {
        if (m_starting)
            throw MessageError(notYetAllowed);
        m_starting = true;
        try {
            co_await startSession();
        } catch (...) {
            m_starting = false;
            throw;
        }
        m_starting = false;
    }
    co_await pressCtrlV();
}

// Creates the session, asks for the keyboard and starts it: the desktop asks
// the user then, unless a restore token lets it remember the answer.
QCoro::Task<> PortalPasteService::startSession() {
    const DesktopPortal::Response created = co_await DesktopPortal::request(
        m_bus, remoteDesktop, DesktopPortal::createSession, QVariantList(),
        DesktopPortal::newSessionOptions(), answerPatience);
    const QString session =
        DesktopPortal::objectPath(created.results.value(DesktopPortal::sessionHandleKey));
    if (created.code != 0 || session.isEmpty())
        throw MessageError(noSession);
    m_bus.connect(DesktopPortal::service, session, DesktopPortal::sessionInterface,
                  QStringLiteral("Closed"), &m_sessionClosed, DBusSignal::slot);
    const QVariantList inSession{QVariant::fromValue(QDBusObjectPath(session))};
    const DesktopPortal::Response selected = co_await DesktopPortal::request(
        m_bus, remoteDesktop, selectDevices, inSession, deviceOptions(), answerPatience);
    if (selected.code != 0) {
        DesktopPortal::closeSession(m_bus, session);
        throw MessageError(UnavailablePasteService::notice());
    }
    // No parent window: the panel has closed before the paste.
    const QVariantList startArguments = inSession + QVariantList{QString()};
    const DesktopPortal::Response started = co_await DesktopPortal::request(
        m_bus, remoteDesktop, start, startArguments, QVariantMap(), answerPatience);
    const bool keyboard = started.results.value(devicesKey).toUInt() & keyboardDevice;
    if (started.code != 0 || !keyboard) {
        DesktopPortal::closeSession(m_bus, session);
        // A token the user has just refused to honour is of no more use.
        m_restoreToken.write(QString());
        m_unavailable = refused;
        throw MessageError(UnavailablePasteService::notice());
    }
    if (m_version >= firstVersionWithRestore && started.results.contains(restoreTokenKey))
        m_restoreToken.write(started.results.value(restoreTokenKey).toString());
    m_session = session;
}

QVariantMap PortalPasteService::deviceOptions() const {
    QVariantMap options{{QStringLiteral("types"), keyboardDevice}};
    if (m_version < firstVersionWithRestore)
        return options;
    options.insert(QStringLiteral("persist_mode"), persistUntilRevoked);
    if (const QString token = m_restoreToken.read(); !token.isEmpty())
        options.insert(restoreTokenKey, token);
    return options;
}

QCoro::Task<> PortalPasteService::pressCtrlV() {
    const QVariant session = QVariant::fromValue(QDBusObjectPath(m_session));
    const std::vector<std::pair<int, uint>> keys{{controlKeysym, pressed},
                                                 {vKeysym, pressed},
                                                 {vKeysym, released},
                                                 {controlKeysym, released}};
    for (const auto& [keysym, state] : keys) {
        const QVariantList arguments{session, QVariantMap(), keysym, state};
        co_await DesktopPortal::call(m_bus, remoteDesktop, notifyKeysym, arguments);
    }
}

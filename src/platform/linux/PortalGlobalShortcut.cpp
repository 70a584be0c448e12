#include "platform/linux/PortalGlobalShortcut.h"

#include "platform/MessageError.h"
#include "platform/linux/DesktopPortal.h"
#include "platform/linux/X11Key.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <X11/Xlib.h>

namespace {

using namespace std::chrono_literals;
using Shortcuts = QList<QPair<QString, QVariantMap>>;

const QString globalShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
// g++ 12 cannot copy a literal of a co_await expression into the coroutine's
// frame: the names are constants.
const QString toggleId = QStringLiteral("toggle");
const QString bindShortcuts = QStringLiteral("BindShortcuts");
const QString shortcutsKey = QStringLiteral("shortcuts");
const QString refusedKey = QStringLiteral("The desktop did not take the key");
const QString noSession = QStringLiteral("The desktop portal did not open a shortcuts session");
// The desktop may show the user a dialog to confirm or change the key.
constexpr std::chrono::milliseconds answerPatience = 120s;

// X11's modifier masks, as X11Key gives them.
constexpr uint16_t shiftMask = 1 << 0;
constexpr uint16_t controlMask = 1 << 2;
constexpr uint16_t altMask = 1 << 3;
constexpr uint16_t superMask = 1 << 6;

// How the desktop describes the key that triggers the toggle in a list of
// shortcuts; empty when the list lacks it.
QString descriptionIn(const Shortcuts& shortcuts) {
    for (const auto& [id, properties] : shortcuts)
        if (id == toggleId)
            return properties.value(QStringLiteral("trigger_description")).toString();
    return {};
}

// The one shortcut the program binds, with the key the user chose; the
// desktop shows the description to the user, in the user's language.
Shortcuts toggleShortcut(const QString& trigger) {
    return {{toggleId,
             {{QStringLiteral("description"),
               QCoreApplication::translate("PortalGlobalShortcut", "Open and close Tesselle")},
              {QStringLiteral("preferred_trigger"), trigger}}}};
}

Shortcuts shortcutsIn(const QVariant& value) {
    if (value.userType() != qMetaTypeId<QDBusArgument>())
        return {};
    return qdbus_cast<Shortcuts>(value.value<QDBusArgument>());
}

} // namespace

PortalGlobalShortcut::PortalGlobalShortcut(QDBusConnection bus) : m_bus(std::move(bus)) {
    qDBusRegisterMetaType<QPair<QString, QVariantMap>>();
    qDBusRegisterMetaType<Shortcuts>();
    m_bus.connect(DesktopPortal::service, DesktopPortal::path, globalShortcuts,
                  QStringLiteral("Activated"), &m_activated, DBusSignal::slot);
    m_bus.connect(DesktopPortal::service, DesktopPortal::path, globalShortcuts,
                  QStringLiteral("ShortcutsChanged"), &m_changed, DBusSignal::slot);
    connect(&m_activated, &DBusSignal::received, this, &PortalGlobalShortcut::activated);
    connect(&m_changed, &DBusSignal::received, this, &PortalGlobalShortcut::shortcutsChanged);
}

PortalGlobalShortcut::~PortalGlobalShortcut() {
    closeSession();
}

bool PortalGlobalShortcut::isOffered(QDBusConnection bus, std::chrono::milliseconds patience) {
    return DesktopPortal::property(bus, globalShortcuts, QStringLiteral("version"), patience)
        .has_value();
}

QString PortalGlobalShortcut::trigger(const QString& key) {
    const std::optional<X11Key> x11 = X11Key::fromPortableText(key);
    if (!x11)
        return {};
    QStringList parts;
    for (const auto& [mask, name] : {std::pair{controlMask, "CTRL"},
                                     {altMask, "ALT"},
                                     {shiftMask, "SHIFT"},
                                     {superMask, "LOGO"}})
        if (x11->modifiers & mask)
            parts << QString::fromLatin1(name);
    if (const char* name = XKeysymToString(x11->keysym))
        parts << QString::fromLatin1(name);
    return parts.join('+');
}

bool PortalGlobalShortcut::canHold(const QString& key) const {
    return !trigger(key).isEmpty();
}

void PortalGlobalShortcut::bind(const QString& key, std::function<void()> pressed) {
    if (!key.isEmpty() && !canHold(key))
        throw MessageError(QStringLiteral("The desktop cannot hold %1").arg(key));
    ++m_generation;
    if (key.isEmpty()) {
        closeSession();
        m_pressed = nullptr;
        return;
    }
    m_askedPressed = std::move(pressed);
    bindInNewSession(this, key, m_generation);
}

void PortalGlobalShortcut::setAnswerHandler(std::function<void(Answer)> answered) {
    m_answered = std::move(answered);
}

QCoro::Task<> PortalGlobalShortcut::bindInNewSession(QPointer<PortalGlobalShortcut> self,
                                                     QString key, int generation) {
    QDBusConnection bus = self->m_bus;
    QString session;
    try {
        const DesktopPortal::Response created = co_await DesktopPortal::request(
            bus, globalShortcuts, DesktopPortal::createSession, QVariantList(),
            DesktopPortal::newSessionOptions(), answerPatience);
        session = DesktopPortal::objectPath(created.results.value(DesktopPortal::sessionHandleKey));
        if (created.code != 0 || session.isEmpty())
            throw MessageError(noSession);
        if (!self || self->m_generation != generation) {
            // Another key was bound meanwhile.
            DesktopPortal::closeSession(bus, session);
            co_return;
        }
        const Shortcuts wanted = toggleShortcut(trigger(key));
        const QVariantList arguments{QVariant::fromValue(QDBusObjectPath(session)),
                                     QVariant::fromValue(wanted), QString()};
        const DesktopPortal::Response bound = co_await DesktopPortal::request(
            bus, globalShortcuts, bindShortcuts, arguments, QVariantMap(), answerPatience);
        if (!self || self->m_generation != generation || bound.code != 0) {
            // Refused, or given up for a later key: the key held before stays.
            DesktopPortal::closeSession(bus, session);
            if (self && self->m_generation == generation)
                self->answer(false, refusedKey);
            co_return;
        }
        self->closeSession();
        self->m_session = session;
        self->m_pressed = std::move(self->m_askedPressed);
        const QString held = descriptionIn(shortcutsIn(bound.results.value(shortcutsKey)));
        self->answer(true, held.isEmpty() ? key : held);
    } catch (const MessageError& error) {
        if (!session.isEmpty())
            DesktopPortal::closeSession(bus, session);
        if (self && self->m_generation == generation)
            self->answer(false, error.message());
    }
}

void PortalGlobalShortcut::activated(const QDBusMessage& signal) {
    const QVariantList values = signal.arguments();
    if (m_pressed && !m_session.isEmpty() &&
        DesktopPortal::objectPath(values.value(0)) == m_session &&
        values.value(1).toString() == toggleId)
        m_pressed();
}

void PortalGlobalShortcut::shortcutsChanged(const QDBusMessage& signal) {
    const QVariantList values = signal.arguments();
    if (m_session.isEmpty() || DesktopPortal::objectPath(values.value(0)) != m_session)
        return;
    if (const QString held = descriptionIn(shortcutsIn(values.value(1))); !held.isEmpty())
        answer(true, held);
}

// The session goes, and with it the key the desktop held for it.
void PortalGlobalShortcut::closeSession() {
    if (m_session.isEmpty())
        return;
    DesktopPortal::closeSession(m_bus, m_session);
    m_session.clear();
}

void PortalGlobalShortcut::answer(bool held, const QString& text) {
    if (m_answered)
        m_answered({held, text});
}

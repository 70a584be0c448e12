#include "settings/LaunchAtLogin.h"

namespace LaunchAtLogin {

Observable::Observable(LoginItemService& service, QObject* parent)
    : QObject(parent), m_service(service) {}

bool Observable::isEnabled() const {
    return m_service.isEnabled();
}

void Observable::setEnabled(bool enabled) {
    m_service.setEnabled(enabled);
    emit isEnabledChanged(enabled);
}

} // namespace LaunchAtLogin

#include "platform/linux/Syslog.h"

#include <syslog.h>

Syslog::Syslog(const QString& identity) : m_identity(identity.toUtf8()) {
    openlog(m_identity.constData(), LOG_PID, LOG_USER);
}

Syslog::~Syslog() {
    closelog();
}

void Syslog::error(const QString& message) {
    syslog(LOG_ERR, "%s", message.toUtf8().constData());
}

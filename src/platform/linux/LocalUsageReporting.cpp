#include "platform/linux/LocalUsageReporting.h"

void LocalUsageReporting::start(const QString& identifier, int services) {
    m_identifier = identifier;
    m_services = services;
}

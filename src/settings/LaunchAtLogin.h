#pragma once

#include "platform/LoginItemService.h"

#include <QObject>

namespace LaunchAtLogin {

// The one launch-at-login state that every switch shows. Every assignment, the
// settings reset's included, goes through here to the login-item service and is
// announced, so that all switches on screen stay in step.
class Observable : public QObject, public LoginItemService {
    Q_OBJECT
public:
    explicit Observable(LoginItemService& service, QObject* parent = nullptr);

    // Asks the service each time: the registration lives outside the program.
    bool isEnabled() const override;
    // The service logs its own failures.
    void setEnabled(bool enabled) override;

signals:
    // The assigned value, sent even when the service failed to apply it;
    // readers that show the state ask isEnabled() again.
    void isEnabledChanged(bool value);

private:
    LoginItemService& m_service;
};

} // namespace LaunchAtLogin

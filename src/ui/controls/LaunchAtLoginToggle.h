#pragma once

#include "ui/controls/Switch.h"

namespace LaunchAtLogin {

class Observable;

// A labelled switch bound to the launch-at-login state. It always shows the
// state the service reports, so a switch that failed to apply flips back.
class Toggle : public Switch {
    Q_OBJECT
public:
    // Labelled "Launch at login".
    explicit Toggle(Observable& observable, QWidget* parent = nullptr);
    // An empty label shows the switch alone.
    Toggle(Observable& observable, const QString& label, QWidget* parent = nullptr);

private:
    void showCurrentState();

    Observable& m_observable;
};

} // namespace LaunchAtLogin

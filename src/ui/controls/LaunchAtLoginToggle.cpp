#include "ui/controls/LaunchAtLoginToggle.h"

#include "settings/LaunchAtLogin.h"

#include <QSignalBlocker>

namespace LaunchAtLogin {

Toggle::Toggle(Observable& observable, QWidget* parent)
    : Toggle(observable, tr("Launch at login"), parent) {}

Toggle::Toggle(Observable& observable, const QString& label, QWidget* parent)
    : Switch(label, parent), m_observable(observable) {
    showCurrentState();
    connect(this, &QAbstractButton::clicked, this,
            [this](bool checked) { m_observable.setEnabled(checked); });
    connect(&m_observable, &Observable::isEnabledChanged, this, &Toggle::showCurrentState);
}

void Toggle::showCurrentState() {
    const QSignalBlocker blocker(this);
    setChecked(m_observable.isEnabled());
    update();
}

} // namespace LaunchAtLogin

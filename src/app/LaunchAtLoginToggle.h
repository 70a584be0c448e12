#pragma once

#include <QAbstractButton>

namespace LaunchAtLogin {

class Observable;

// A labelled on/off switch bound to the launch-at-login state. It always shows
// the state the service reports, so a switch that failed to apply flips back.
class Toggle : public QAbstractButton {
    Q_OBJECT
public:
    // Labelled "Launch at login".
    explicit Toggle(Observable& observable, QWidget* parent = nullptr);
    // An empty label shows the switch alone.
    Toggle(Observable& observable, const QString& label, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showCurrentState();
    QRect switchRect() const;

    Observable& m_observable;
};

} // namespace LaunchAtLogin

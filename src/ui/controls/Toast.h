#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <chrono>

class Popover;
class QWidget;

// A short notice in a bubble under its view, such as "Copied!". The owner shows
// it; it hides itself `duration` after each showing, or at once when clicked.
// The hide scheduled at a showing is never cancelled: a notice closed by a click
// and shown again soon is hidden by the first showing's timer. Each showing is
// announced to assistive technology.
class Toast : public QObject {
    Q_OBJECT
public:
    Toast(QString message, std::chrono::milliseconds duration, QWidget* view);
    ~Toast() override;

    bool isShowing() const { return m_isShowing; }
    std::chrono::milliseconds duration() const { return m_duration; }
    void setShowing(bool showing);
    // The part of the view the bubble points at: the whole view when empty. A
    // shown bubble follows it.
    void setAnchor(const QRect& anchorInView);

    // The bubble; exists while the view does.
    Popover& bubble() const;

signals:
    void isShowingChanged(bool isShowing);

private:
    void announce();

    QPointer<Popover> m_bubble; // a child of the view, as its windows must be
    std::chrono::milliseconds m_duration;
    QRect m_anchor;
    bool m_isShowing = false;
};

#include "ui/controls/Toast.h"

#include "ui/controls/Popover.h"

#include <QAccessible>
#include <QLabel>
#include <QTimer>

namespace {
constexpr int messagePadding = 16;
}

Toast::Toast(QString message, std::chrono::milliseconds duration, QWidget* view)
    : QObject(view), m_bubble(new Popover(Popover::Behavior::passive, view)), m_duration(duration) {
    auto* label = new QLabel(message);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    m_bubble->setContent(label, messagePadding);
    m_bubble->setAccessibleName(message);
    connect(m_bubble, &Popover::clicked, this, [this] { setShowing(false); });
    // Closed with its window.
    connect(m_bubble, &Popover::dismissed, this, [this] { setShowing(false); });
}

Toast::~Toast() {
    delete m_bubble.data();
}

Popover& Toast::bubble() const {
    return *m_bubble;
}

void Toast::setShowing(bool showing) {
    if (showing == m_isShowing)
        return;
    m_isShowing = showing;
    if (showing) {
        m_bubble->showAt(m_anchor);
        announce();
        QTimer::singleShot(m_duration, this, [this] { setShowing(false); });
    } else {
        m_bubble->hide();
    }
    emit isShowingChanged(showing);
}

// Qt 6.4 has no announcement event (QAccessibleAnnouncementEvent came with
// 6.8): an alert on the bubble is the nearest it offers, and the bubble, named
// by its message, is what assistive technology reads when it shows.
void Toast::announce() {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent alert(m_bubble.data(), QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Toast::setAnchor(const QRect& anchorInView) {
    m_anchor = anchorInView;
    if (m_isShowing)
        m_bubble->showAt(m_anchor);
}

#include "ui/controls/Toast.h"

#include "ui/controls/Popover.h"

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
        QTimer::singleShot(m_duration, this, [this] { setShowing(false); });
    } else {
        m_bubble->hide();
    }
    emit isShowingChanged(showing);
}

void Toast::setAnchor(const QRect& anchorInView) {
    m_anchor = anchorInView;
    if (m_isShowing)
        m_bubble->showAt(m_anchor);
}

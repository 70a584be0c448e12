#include "ui/controls/Popover.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int arrowHeight = 8;
constexpr int arrowHalfWidth = 9;
constexpr qreal cornerRadius = 8;
constexpr int shadowMargin = 1;
} // namespace

Popover::Popover(Behavior behavior, QWidget* view)
    : QWidget(view, behavior == Behavior::transient
                        ? Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint
                        : Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_view(view) {
    setAttribute(Qt::WA_TranslucentBackground);
    // A click outside closes the bubble and goes no further: a second click on
    // the button that opened it must not open it again at once.
    setAttribute(Qt::WA_NoMouseReplay);
    if (behavior == Behavior::passive)
        setAttribute(Qt::WA_ShowWithoutActivating);
    new QVBoxLayout(this);
}

void Popover::setContent(QWidget* content, int padding) {
    auto* box = static_cast<QVBoxLayout*>(layout());
    while (QLayoutItem* item = box->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    box->addWidget(content);
    const int margin = padding + shadowMargin;
    box->setContentsMargins(margin, margin + arrowHeight, margin, margin);
    m_arrowOnTop = true;
}

void Popover::showAt(const QRect& anchorInView) {
    if (!m_view)
        return;
    // The view may have moved into another window since the bubble was made.
    if (m_viewWindow != m_view->window()) {
        if (m_viewWindow)
            m_viewWindow->removeEventFilter(this);
        m_viewWindow = m_view->window();
        m_viewWindow->installEventFilter(this);
    }
    const QRect anchor = anchorInView.isEmpty() ? m_view->rect() : anchorInView;
    const QPoint below = m_view->mapToGlobal(QPoint(anchor.center().x(), anchor.bottom() + 1));
    const QPoint above = m_view->mapToGlobal(QPoint(anchor.center().x(), anchor.top()));
    adjustSize();
    const QSize bubble = size();
    const QScreen* screen = m_view->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(), bubble);

    const bool fitsBelow = below.y() + bubble.height() <= available.bottom();
    const bool arrowOnTop = fitsBelow || above.y() - bubble.height() < available.top();
    if (arrowOnTop != m_arrowOnTop) {
        // The arrow's room moves to the other edge.
        const QMargins margins = layout()->contentsMargins();
        layout()->setContentsMargins(margins.left(), margins.bottom(), margins.right(),
                                     margins.top());
        m_arrowOnTop = arrowOnTop;
    }
    const QPoint tip = arrowOnTop ? below : above;
    int x = tip.x() - bubble.width() / 2;
    x = qBound(available.left(), x, qMax(available.left(), available.right() - bubble.width() + 1));
    const int y = arrowOnTop ? tip.y() : tip.y() - bubble.height();
    m_tipX = tip.x() - x;
    move(x, y);
    show();
    update();
}

bool Popover::eventFilter(QObject* watched, QEvent* event) {
    // Queued: the window may be hiding because it is being destroyed, with the
    // views that listen to the bubble half gone; the bubble goes with it then.
    if (watched == m_viewWindow && event->type() == QEvent::Hide)
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void Popover::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QRectF body =
        m_arrowOnTop ? frame.adjusted(0, arrowHeight, 0, 0) : frame.adjusted(0, 0, 0, -arrowHeight);

    // Where the arrow points: the anchor's centre, wherever the bubble had to move.
    const qreal tipX = qBound(body.left() + cornerRadius + arrowHalfWidth, qreal(m_tipX),
                              body.right() - cornerRadius - arrowHalfWidth);
    QPainterPath arrow;
    if (m_arrowOnTop) {
        arrow.moveTo(tipX - arrowHalfWidth, body.top() + 1);
        arrow.lineTo(tipX, frame.top());
        arrow.lineTo(tipX + arrowHalfWidth, body.top() + 1);
    } else {
        arrow.moveTo(tipX - arrowHalfWidth, body.bottom() - 1);
        arrow.lineTo(tipX, frame.bottom());
        arrow.lineTo(tipX + arrowHalfWidth, body.bottom() - 1);
    }
    arrow.closeSubpath();
    QPainterPath shape;
    shape.addRoundedRect(body, cornerRadius, cornerRadius);
    shape = shape.united(arrow);

    QColor outline = palette().color(QPalette::WindowText);
    outline.setAlphaF(0.2);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(palette().color(QPalette::Window));
    painter.drawPath(shape);
}

void Popover::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit dismissed();
}

void Popover::mousePressEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
        return;
    }
    QWidget::mousePressEvent(event);
}

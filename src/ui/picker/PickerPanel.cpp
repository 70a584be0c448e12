#include "ui/picker/PickerPanel.h"

#include "ui/picker/PanelPlacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr qreal cornerRadius = 10;
constexpr int contentMargin = 6;
} // namespace

PickerPanel::PickerPanel(std::unique_ptr<QWidget> content,
                         std::chrono::milliseconds focusLossClickWindow, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::NoDropShadowWindowHint),
      m_focusLossClickWindow(focusLossClickWindow) {
    setWindowTitle(QStringLiteral("Tesselle"));
    setAttribute(Qt::WA_TranslucentBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(contentMargin, contentMargin, contentMargin, contentMargin);
    layout->addWidget(content.release());
}

void PickerPanel::placeAt(const QRect& anchor) {
    QScreen* screen = QGuiApplication::screenAt(anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen->availableGeometry();
    resize(fittedPanelSize(sizeHint(), available));
    move(panelPosition(anchor, size(), available));
}

void PickerPanel::showAt(const QRect& anchor) {
    placeAt(anchor);
    show();
    raise();
    activateWindow();
}

void PickerPanel::prepareAt(const QRect& anchor) {
    placeAt(anchor);
    create();
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    render(&image);
}

bool PickerPanel::closedByFocusLossJustNow() const {
    return m_closedByFocusLoss.isValid() &&
           m_closedByFocusLoss.elapsed() < m_focusLossClickWindow.count();
}

bool PickerPanel::event(QEvent* event) {
    // Activation changes arrive in bursts (a hide and a quick reopening, a paste
    // that activates another window and comes back): judge once they settle.
    // A deactivation from before the latest opening is stale.
    if (event->type() == QEvent::WindowDeactivate && isVisible()) {
        QTimer::singleShot(0, this, [this, opening = m_openings] {
            if (opening == m_openings)
                closeIfFocusLeft();
        });
    } else if (event->type() == QEvent::Show) {
        ++m_openings;
    }
    return QWidget::event(event);
}

void PickerPanel::closeIfFocusLeft() {
    if (!isVisible() || isActiveWindow() || ownsWindow(QApplication::activeWindow()))
        return;
    hide();
    m_closedByFocusLoss.start();
}

void PickerPanel::keyPressEvent(QKeyEvent* event) {
    // Reaches here only when no view inside wanted the key.
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PickerPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor background = palette().color(QPalette::Window);
    background.setAlphaF(0.96);
    QColor outline = palette().color(QPalette::WindowText);
    outline.setAlphaF(0.15);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius,
                            cornerRadius);
}

// Dialogs and menus that the panel's views open belong to it: activating them
// does not close it.
bool PickerPanel::ownsWindow(const QWidget* window) const {
    for (const QWidget* widget = window; widget; widget = widget->parentWidget()) {
        if (widget == this)
            return true;
    }
    return false;
}

#include "ui/picker/PickerPanel.h"

#include "ui/picker/PanelPlacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
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
      m_content(content.release()), m_notice(new QLabel),
      m_focusLossClickWindow(focusLossClickWindow) {
    setWindowTitle(QStringLiteral("Tesselle"));
    setAttribute(Qt::WA_TranslucentBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(contentMargin, contentMargin, contentMargin, contentMargin);
    layout->addWidget(m_content);
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setWordWrap(true);
    m_notice->setContentsMargins(contentMargin, contentMargin, contentMargin, 0);
    m_notice->hide();
    layout->addWidget(m_notice);
}

// As wide as the content, so that the panel keeps its width.
void PickerPanel::showNotice(const QString& text) {
    m_notice->setText(text);
    const int width = m_content->sizeHint().width();
    m_notice->setFixedSize(width, m_notice->heightForWidth(width));
    m_notice->show();
}

QString PickerPanel::notice() const {
    return m_notice->isVisibleTo(this) ? m_notice->text() : QString();
}

void PickerPanel::hideEvent(QHideEvent* event) {
    m_notice->hide();
    QWidget::hideEvent(event);
}

void PickerPanel::placeAt(const QRect& anchor) {
    QScreen* screen = QGuiApplication::screenAt(anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen->availableGeometry();
    setFixedSize(fittedPanelSize(sizeHint(), available));
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

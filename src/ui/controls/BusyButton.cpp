#include "ui/controls/BusyButton.h"

#include "ui/controls/ProgressIndicator.h"

#include <QGraphicsOpacityEffect>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// A regular indicator of 32 drawn at 0.6 of its size.
constexpr int indicatorDiameter = 19;
constexpr qreal busyOpacity = 0.5;
} // namespace

BusyButton::BusyButton(const QString& text, QWidget* parent)
    : QWidget(parent), m_button(new QPushButton(text)), m_opacity(new QGraphicsOpacityEffect(this)),
      m_indicator(new ProgressIndicator(indicatorDiameter, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_button);
    m_opacity->setOpacity(1);
    m_button->setGraphicsEffect(m_opacity);
    m_indicator->hide();
    connect(m_button, &QPushButton::clicked, this, [this] {
        if (!m_isBusy)
            emit clicked();
    });
}

void BusyButton::setBusy(bool busy) {
    m_isBusy = busy;
    m_button->setAttribute(Qt::WA_TransparentForMouseEvents, busy);
    m_opacity->setOpacity(busy ? busyOpacity : 1);
    m_indicator->setVisible(busy);
    m_indicator->raise();
}

void BusyButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    QRect frame = m_indicator->geometry();
    frame.moveCenter(m_button->geometry().center());
    m_indicator->setGeometry(frame);
}

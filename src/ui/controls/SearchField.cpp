#include "ui/controls/SearchField.h"

#include "ui/controls/SymbolButton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace {
constexpr QSizeF glassSize(12, 12);
constexpr int glassLeadingPadding = 5;
constexpr qreal glassOpacity = 0.6;
constexpr QColor background(255, 255, 255, 51); // white at 0.2
} // namespace

SearchField::SearchField(const QString& placeholder, const ResourceLocator& resources,
                         QWidget* parent)
    : QWidget(parent), m_row(new QHBoxLayout(this)), m_lineEdit(new QLineEdit) {
    m_row->setContentsMargins(6, 4, 6, 4);

    // Only a picture: a click on it goes to the field behind it.
    auto* glass = new SymbolButton(QStringLiteral("magnifyingglass"), glassSize, resources);
    glass->setPadding(QMargins(glassLeadingPadding, 0, 0, 0));
    glass->setOpacity(glassOpacity);
    glass->setAttribute(Qt::WA_TransparentForMouseEvents);
    glass->setAccessibleName(tr("Search"));
    m_row->addWidget(glass);

    m_lineEdit->setFrame(false);
    m_lineEdit->setPlaceholderText(placeholder);
    m_lineEdit->setAttribute(Qt::WA_MacShowFocusRect, false);
    QPalette clear = m_lineEdit->palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    m_lineEdit->setPalette(clear);
    m_lineEdit->installEventFilter(this);
    m_row->addWidget(m_lineEdit, 1);
    connect(m_lineEdit, &QLineEdit::textChanged, this, &SearchField::queryChanged);
}

QString SearchField::query() const {
    return m_lineEdit->text();
}

void SearchField::setQuery(const QString& query) {
    m_lineEdit->setText(query);
}

void SearchField::setAccessory(QWidget* accessory) {
    m_row->addWidget(accessory);
}

bool SearchField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_lineEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit committed();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SearchField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(Qt::gray, 1));
    painter.setBrush(background);
    painter.drawRoundedRect(outline, searchFieldCornerRadius, searchFieldCornerRadius);
}

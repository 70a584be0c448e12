#include "ui/picker/SkinToneRow.h"

#include "settings/Preferences.h"
#include "ui/controls/AccentColor.h"
#include "ui/controls/EmojiFont.h"
#include "ui/controls/ToneName.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int fontSize = 18;
constexpr int padding = 3;
constexpr qreal markRadius = 6;
} // namespace

SkinToneRow::SkinToneRow(Preferences& preferences, QWidget* parent)
    : QWidget(parent), m_preferences(preferences) {
    setFont(emojiFont(fontSize));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(QStringLiteral("Skin tone"));
    makeItemsAccessible(this);
}

void SkinToneRow::setForms(const QStringList& forms, const QString& current) {
    m_forms = forms;
    m_current = current;
    updateGeometry();
    update();
}

QSize SkinToneRow::formSize() const {
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QString& form : m_forms)
        width = qMax(width, metrics.horizontalAdvance(drawnEmoji(form)));
    return QSize(width, metrics.height()).grownBy(QMargins(padding, padding, padding, padding));
}

QRect SkinToneRow::formRect(int index) const {
    const QSize size = formSize();
    return QRect(QPoint(index * size.width(), 0), size);
}

QSize SkinToneRow::sizeHint() const {
    const QSize size = formSize();
    return QSize(size.width() * int(m_forms.size()), size.height());
}

int SkinToneRow::formAt(const QPoint& position) const {
    for (int index = 0; index < m_forms.size(); ++index) {
        if (formRect(index).contains(position))
            return index;
    }
    return -1;
}

// The forms come in tone order, the yellow one first.
QList<AccessibleItems::Item> SkinToneRow::accessibleItems() const {
    QList<Item> items;
    const QList<Tone>& tones = allTones();
    for (int index = 0; index < m_forms.size(); ++index) {
        const QString name = index < tones.size() ? toneName(tones[index]) : m_forms[index];
        items << Item{m_forms[index], name, formRect(index), m_forms[index] == m_current};
    }
    return items;
}

void SkinToneRow::pressAccessibleItem(const QString& key) {
    if (m_forms.contains(key))
        emit formClicked(QString(key));
}

void SkinToneRow::mousePressEvent(QMouseEvent* event) {
    const int index = formAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0)
        emit formClicked(QString(m_forms[index])); // a copy: the receiver may set new forms
}

void SkinToneRow::mouseDoubleClickEvent(QMouseEvent* event) {
    const int index = formAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0)
        emit formDoubleClicked(QString(m_forms[index]));
}

void SkinToneRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor mark = appAccentColor(m_preferences.useSystemColor());
    mark.setAlphaF(0.1);
    for (int index = 0; index < m_forms.size(); ++index) {
        const QRect rect = formRect(index);
        if (m_forms[index] == m_current) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(mark);
            painter.drawRoundedRect(rect, markRadius, markRadius);
        }
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect, Qt::AlignCenter, drawnEmoji(m_forms[index]));
    }
}

#include "ui/settings/GenderPicker.h"

#include "settings/Preferences.h"
#include "ui/controls/AccentColor.h"
#include "ui/settings/PickerCell.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int spacing = 10;

QString genderName(Gender gender) {
    switch (gender) {
    case Gender::person:
        return GenderPicker::tr("Person");
    case Gender::female:
        return GenderPicker::tr("Woman");
    case Gender::male:
        return GenderPicker::tr("Man");
    }
    return {};
}

} // namespace

GenderPicker::GenderPicker(const Preferences& preferences, QWidget* parent)
    : QWidget(parent), m_preferences(preferences) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(&preferences, &Preferences::useSystemColorChanged, this, qOverload<>(&QWidget::update));
    makeItemsAccessible(this);
}

void GenderPicker::setSelection(std::optional<Gender> selection) {
    m_selection = selection;
    update();
}

QSize GenderPicker::sizeHint() const {
    const int count = allGenders().size();
    return {count * PickerCell::size + (count - 1) * spacing, PickerCell::size};
}

QRect GenderPicker::cellRect(Gender gender) const {
    const int top = (height() - PickerCell::size) / 2;
    return {int(allGenders().indexOf(gender)) * (PickerCell::size + spacing), top, PickerCell::size,
            PickerCell::size};
}

std::optional<Gender> GenderPicker::genderAt(const QPoint& point) const {
    for (Gender gender : allGenders()) {
        if (cellRect(gender).contains(point))
            return gender;
    }
    return std::nullopt;
}

void GenderPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor accent = appAccentColor(m_preferences.useSystemColor());
    for (Gender gender : allGenders())
        PickerCell::paint(painter, cellRect(gender), rawValue(gender), m_selection == gender,
                          accent);
}

void GenderPicker::mousePressEvent(QMouseEvent* event) {
    m_pressed =
        event->button() == Qt::LeftButton ? genderAt(event->position().toPoint()) : std::nullopt;
}

// A click is a press and a release on the same cell.
void GenderPicker::mouseReleaseEvent(QMouseEvent* event) {
    const std::optional<Gender> pressed = std::exchange(m_pressed, std::nullopt);
    if (!pressed || event->button() != Qt::LeftButton ||
        genderAt(event->position().toPoint()) != pressed)
        return;
    choose(*pressed);
}

void GenderPicker::choose(Gender gender) {
    if (m_selection == gender)
        return;
    setSelection(gender);
    emit selectionChanged(m_selection);
}

QList<AccessibleItems::Item> GenderPicker::accessibleItems() const {
    QList<Item> items;
    for (Gender gender : allGenders())
        items << Item{rawValue(gender), genderName(gender), cellRect(gender),
                      m_selection == gender};
    return items;
}

void GenderPicker::pressAccessibleItem(const QString& key) {
    if (const auto gender = genderFromRawValue(key))
        choose(*gender);
}

#include "ui/settings/FamilyPicker.h"

#include "settings/Preferences.h"
#include "ui/controls/AccentColor.h"
#include "ui/controls/Popover.h"
#include "ui/settings/FamilyGrid.h"
#include "ui/settings/PickerCell.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int popoverPadding = 10;
}

FamilyPicker::FamilyPicker(const Preferences& preferences, QWidget* parent)
    : QWidget(parent), m_preferences(preferences),
      m_popover(new Popover(Popover::Behavior::transient, this)),
      m_grid(new FamilyGrid(preferences)) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_popover->setContent(m_grid, popoverPadding);
    connect(m_grid, &FamilyGrid::picked, this, &FamilyPicker::pick);
    connect(m_popover, &Popover::dismissed, this, [this] { m_isPickerPresented = false; });
    connect(&preferences, &Preferences::useSystemColorChanged, m_grid,
            qOverload<>(&QWidget::update));
    makeItemsAccessible(this);
}

QSize FamilyPicker::sizeHint() const {
    return {PickerCell::size, PickerCell::size};
}

void FamilyPicker::setSelection(std::optional<Family> selection) {
    m_selection = selection;
    m_grid->setSelection(selection);
    update();
}

void FamilyPicker::setPickerPresented(bool presented) {
    m_isPickerPresented = presented;
    if (presented)
        m_popover->showAt();
    else
        m_popover->hide();
}

void FamilyPicker::pick(std::optional<Family> family) {
    if (family == m_selection)
        return;
    setSelection(family);
    emit selectionChanged(family);
}

QList<AccessibleItems::Item> FamilyPicker::accessibleItems() const {
    const QString name =
        m_selection ? tr("Family: %1").arg(rawValue(*m_selection)) : tr("Family: none");
    return {Item{QStringLiteral("cell"), name, rect(), false}};
}

void FamilyPicker::pressAccessibleItem(const QString&) {
    setPickerPresented(!m_isPickerPresented);
}

void FamilyPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QString shown = m_selection ? rawValue(*m_selection) : QStringLiteral(" ");
    PickerCell::paint(painter, QRectF(0, 0, PickerCell::size, PickerCell::size), shown, false,
                      appAccentColor(m_preferences.useSystemColor()));
}

void FamilyPicker::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
}

// The popover takes the clicks outside it while it is open, so a click that
// reaches the cell finds it closed.
void FamilyPicker::mouseReleaseEvent(QMouseEvent* event) {
    if (std::exchange(m_pressed, false) && rect().contains(event->position().toPoint()))
        setPickerPresented(!m_isPickerPresented);
}

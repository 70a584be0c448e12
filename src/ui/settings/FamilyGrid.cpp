#include "ui/settings/FamilyGrid.h"

#include "settings/Preferences.h"
#include "ui/controls/AccentColor.h"
#include "ui/settings/PickerCell.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int gridColumns = 5;
constexpr int gridSpacing = 5;
constexpr int rowSpacing = 5;
constexpr int bottomSpacing = 8;
constexpr int emptyCellSize = PickerCell::size - 1;
} // namespace

FamilyGrid::FamilyGrid(const Preferences& preferences, QWidget* parent)
    : QWidget(parent), m_preferences(preferences) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    const QList<Family>& families = allFamilies();
    const int step = PickerCell::size + gridSpacing;
    const QSize cellSize(PickerCell::size, PickerCell::size);
    for (int index = 0; index < families.size() - 1; ++index) {
        const QPoint origin(index % gridColumns * step, index / gridColumns * step);
        m_cells.append({families[index], QRect(origin, cellSize)});
    }
    const int rows = (families.size() - 1 + gridColumns - 1) / gridColumns;
    const QRect last(QPoint(0, rows * step - gridSpacing + rowSpacing), cellSize);
    m_cells.append({families.last(), last});
    QRect empty(0, 0, emptyCellSize, emptyCellSize);
    empty.moveCenter(last.center());
    empty.moveLeft(last.right() + 1 + bottomSpacing);
    m_cells.append({std::nullopt, empty});
    setAccessibleName(tr("Families"));
    makeItemsAccessible(this);
}

QSize FamilyGrid::sizeHint() const {
    QRect bounds;
    for (const Cell& cell : m_cells)
        bounds |= cell.rect;
    return {bounds.right() + 1, bounds.bottom() + 1};
}

void FamilyGrid::setSelection(std::optional<Family> selection) {
    m_selection = selection;
    update();
}

QRect FamilyGrid::cellRect(std::optional<Family> family) const {
    for (const Cell& cell : m_cells) {
        if (cell.family == family)
            return cell.rect;
    }
    return {};
}

const FamilyGrid::Cell* FamilyGrid::cellAt(const QPoint& point) const {
    for (const Cell& cell : m_cells) {
        if (cell.rect.contains(point))
            return &cell;
    }
    return nullptr;
}

QList<AccessibleItems::Item> FamilyGrid::accessibleItems() const {
    QList<Item> items;
    for (const Cell& cell : m_cells) {
        const QString key = cell.family ? rawValue(*cell.family) : QString();
        const QString name = cell.family ? key : tr("No family");
        items << Item{key, name, cell.rect, cell.family == m_selection};
    }
    return items;
}

void FamilyGrid::pressAccessibleItem(const QString& key) {
    for (const Cell& cell : std::as_const(m_cells)) {
        if ((cell.family ? rawValue(*cell.family) : QString()) == key)
            emit picked(cell.family);
    }
}

void FamilyGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor accent = appAccentColor(m_preferences.useSystemColor());
    for (const Cell& cell : m_cells) {
        PickerCell::paint(painter, cell.rect, cell.family ? rawValue(*cell.family) : QString(),
                          cell.family == m_selection, accent);
    }
}

void FamilyGrid::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton ? cellAt(event->position().toPoint()) : nullptr;
}

// A click is a press and a release on the same cell.
void FamilyGrid::mouseReleaseEvent(QMouseEvent* event) {
    const Cell* pressed = std::exchange(m_pressed, nullptr);
    if (pressed && event->button() == Qt::LeftButton &&
        cellAt(event->position().toPoint()) == pressed)
        emit picked(pressed->family);
}

#include "ui/controls/CancellableSearchField.h"

#include "ui/controls/SymbolButton.h"

namespace {
constexpr QSizeF clearSize(14, 14);
constexpr int clearTrailingPadding = 3;
// The button and its image are each drawn at half opacity.
constexpr qreal clearOpacity = 0.25;
} // namespace

CancellableSearchField::CancellableSearchField(const QString& placeholder,
                                               const ResourceLocator& resources, QWidget* parent)
    : SearchField(placeholder, resources, parent),
      m_clearButton(new SymbolButton(QStringLiteral("xmark.circle.fill"), clearSize, resources)) {
    m_clearButton->setPadding(QMargins(0, 0, clearTrailingPadding, 0));
    m_clearButton->setOpacity(clearOpacity);
    m_clearButton->setAccessibleName(tr("Clear"));
    m_clearButton->hide();
    setAccessory(m_clearButton);
    connect(m_clearButton, &QAbstractButton::clicked, this, [this] { setQuery(QString()); });
    connect(this, &SearchField::queryChanged, this,
            [this](const QString& query) { m_clearButton->setVisible(!query.isEmpty()); });
}

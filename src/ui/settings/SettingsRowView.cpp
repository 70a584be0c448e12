#include "ui/settings/SettingsRowView.h"

#include "ui/controls/NameAfterTitle.h"
#include "ui/controls/PopoverButton.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {
constexpr int minimumTitleWidth = 130;
constexpr qreal hintSize = 20;
constexpr qreal hintOpacity = 0.6;
} // namespace

SettingsRowView::SettingsRowView(const QString& title, const QString& hint, QWidget* content,
                                 const ResourceLocator& resources, QWidget* parent)
    : QWidget(parent), m_hintButton(new PopoverButton(QStringLiteral("questionmark.circle"), hint,
                                                      QSizeF(hintSize, hintSize), resources)),
      m_title(new QLabel(tr("%1:", "a settings row's title").arg(title))) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    m_title->setTextFormat(Qt::PlainText);
    m_title->setFixedWidth(std::max(minimumTitleWidth, m_title->sizeHint().width()));
    m_title->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(m_title);
    // The control's cell takes the free width, which pushes the hint to the
    // right end without one more spacing for a separate stretch.
    row->addWidget(content, 1, Qt::AlignLeft | Qt::AlignVCenter);
    m_hintButton->setOpacity(hintOpacity);
    m_hintButton->setAccessibleName(tr("Help: %1").arg(title));
    nameAfterTitle(content, title);
    row->addWidget(m_hintButton, 0, Qt::AlignVCenter);
}

void SettingsRowView::alignTitles(const QList<SettingsRowView*>& rows) {
    int width = minimumTitleWidth;
    for (const SettingsRowView* row : rows)
        width = std::max(width, row->m_title->sizeHint().width());
    for (SettingsRowView* row : rows)
        row->m_title->setFixedWidth(width);
}

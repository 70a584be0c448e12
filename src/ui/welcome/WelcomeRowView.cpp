#include "ui/welcome/WelcomeRowView.h"

#include "ui/controls/Divider.h"
#include "ui/controls/NameAfterTitle.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {
constexpr int rowHeight = 42;
}

WelcomeRowView::WelcomeRowView(const QString& title, QWidget* content, bool skipDivider,
                               QWidget* parent)
    : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* row = new QWidget;
    row->setFixedHeight(rowHeight);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(title);
    label->setTextFormat(Qt::PlainText);
    line->addWidget(label, 0, Qt::AlignVCenter);
    line->addStretch(1);
    line->addWidget(content, 0, Qt::AlignVCenter);
    // Without the colon, which some languages write with a space before it or
    // full width.
    QString name = title;
    if (name.endsWith(QLatin1Char(':')) || name.endsWith(QChar(0xFF1A)))
        name.chop(1);
    nameAfterTitle(content, name.trimmed());
    column->addWidget(row);
    if (!skipDivider)
        column->addWidget(new Divider);
}

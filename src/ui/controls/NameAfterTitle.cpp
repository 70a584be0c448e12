#include "ui/controls/NameAfterTitle.h"

#include <QAbstractButton>

void nameAfterTitle(QWidget* control, const QString& title) {
    if (!control->accessibleName().isEmpty())
        return;
    if (auto* button = qobject_cast<QAbstractButton*>(control); button && !button->text().isEmpty())
        return;
    control->setAccessibleName(title);
}

#include "ui/controls/ErrorAlert.h"

#include <QMessageBox>

QMessageBox* showErrorAlert(QWidget* parent, const QString& message) {
    const auto earlier = parent->findChildren<QMessageBox*>(QStringLiteral("errorAlert"),
                                                            Qt::FindDirectChildrenOnly);
    for (QMessageBox* alert : earlier)
        alert->close();
    auto* alert = new QMessageBox(QMessageBox::Warning, QStringLiteral("Error"), message,
                                  QMessageBox::Ok, parent);
    alert->setObjectName(QStringLiteral("errorAlert"));
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->open();
    return alert;
}

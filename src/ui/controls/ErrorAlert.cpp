#include "ui/controls/ErrorAlert.h"

#include "ui/controls/ShownMessage.h"

#include <QCoreApplication>
#include <QMessageBox>

QMessageBox* showErrorAlert(QWidget* parent, const QString& message) {
    const auto earlier = parent->findChildren<QMessageBox*>(QStringLiteral("errorAlert"),
                                                            Qt::FindDirectChildrenOnly);
    for (QMessageBox* alert : earlier)
        alert->close();
    auto* alert =
        new QMessageBox(QMessageBox::Warning, QCoreApplication::translate("ErrorAlert", "Error"),
                        shownMessage(message), QMessageBox::Ok, parent);
    alert->setObjectName(QStringLiteral("errorAlert"));
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->open();
    return alert;
}

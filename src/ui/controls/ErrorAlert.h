#pragma once

#include <QString>

class QMessageBox;
class QWidget;

// The "Error" alert with its "OK" button, open over the window of `parent`
// without blocking; it deletes itself when closed. An alert of the same
// parent that is still open closes first.
QMessageBox* showErrorAlert(QWidget* parent, const QString& message);

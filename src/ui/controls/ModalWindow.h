#pragma once

#include <QWidget>
#include <memory>

// The welcome window: frameless with no close control, moved by dragging its
// background, kept above other windows, and as large as its content. It leaves
// the screen only when the program closes it.
class ModalWindow : public QWidget {
    Q_OBJECT
public:
    explicit ModalWindow(std::unique_ptr<QWidget> content, QWidget* parent = nullptr);

    void centerOnScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

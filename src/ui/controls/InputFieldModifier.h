#pragma once

#include <QWidget>

class QHBoxLayout;

// The outline of the shortcut rows and of the shortcut input: a row of widgets
// inside a thin grey rounded outline, with no background of its own.
class InputFieldModifier : public QWidget {
    Q_OBJECT
public:
    explicit InputFieldModifier(QWidget* parent = nullptr);

    // Where the outlined widgets go.
    QHBoxLayout& row() const { return *m_row; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QHBoxLayout* m_row;
};

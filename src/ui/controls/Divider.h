#pragma once

#include <QWidget>

// A thin horizontal line across the width, in the text colour made faint.
class Divider : public QWidget {
    Q_OBJECT
public:
    explicit Divider(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

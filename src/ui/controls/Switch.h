#pragma once

#include <QAbstractButton>

// An on/off switch with its label on the left (none when the label is
// empty): a rounded track in the palette's highlight colour when on, grey
// when off, with a white knob. A label wider than the room it is given
// wraps onto more lines.
class Switch : public QAbstractButton {
    Q_OBJECT
public:
    explicit Switch(const QString& label = QString(), QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect switchRect() const;
    QRect labelRect(int width, int height) const;
};

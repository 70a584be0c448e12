#pragma once

#include <QPointer>
#include <QProxyStyle>

class QStyleOptionButton;

// The look of the program's prominent buttons: white text on a rounded
// gradient of `color` (a little lighter at the bottom, a little lighter still
// while pressed), with a faint white line along part of the outline. Buttons
// drawn with it take the full width they are given. It draws the same way
// enabled or disabled; callers pass grey for a disabled look.
//
//     auto* style = new AppButtonStyle(brandAccentColor(), button);
//     button->setStyle(style);
class AppButtonStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit AppButtonStyle(QColor color, QObject* owner = nullptr);

    const QColor& color() const { return m_color; }
    // Buttons using the style repaint with the new colour.
    void setColor(QColor color);

    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;

private:
    void drawButton(const QStyleOptionButton& option, QPainter& painter) const;

    QColor m_color;
    QList<QPointer<QWidget>> m_widgets;
};

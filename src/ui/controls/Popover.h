#pragma once

#include <QPointer>
#include <QWidget>

// A bubble pointing at a view, standing in for a popover: a frameless window of
// its own with an arrow that points at the anchor, placed below the anchor (or
// above it where the screen ends). Its parent is the view, so that the picker
// panel counts it as one of its own windows. It closes with the view's window.
class Popover : public QWidget {
    Q_OBJECT
public:
    enum class Behavior {
        // Closed by any click outside it; takes the keyboard while it is open.
        transient,
        // Never takes the focus; for notices that close themselves.
        passive,
    };

    Popover(Behavior behavior, QWidget* view);

    // The content fills the bubble inside `padding` on every side.
    void setContent(QWidget* content, int padding);
    // Shows the bubble pointing at this part of the view (the whole view when
    // empty); a shown bubble moves there.
    void showAt(const QRect& anchorInView = QRect());

signals:
    // The bubble was closed, by its owner or by a click outside it.
    void dismissed();
    // A click on the bubble itself.
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPointer<QWidget> m_view;
    QPointer<QWidget> m_viewWindow; // watched for its closing
    bool m_arrowOnTop = true;
    int m_tipX = 0; // where the arrow points, in the bubble
};

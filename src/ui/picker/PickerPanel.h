#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <chrono>
#include <memory>

class QLabel;

// The window of the picker, standing in for a popover under the tray icon:
// frameless, translucent and rounded. It is transient: Escape closes it, and so
// does any window outside it becoming active. Closing only hides it (a close
// would destroy the native window), so that its content keeps its state and the
// next opening is quick. Its size is fixed: a Wayland compositor floats such a
// window at its own size where it would tile any other.
class PickerPanel : public QWidget {
    Q_OBJECT
public:
    // A click on the tray icon within `focusLossClickWindow` of a close on
    // focus loss is taken for the click that took the focus.
    PickerPanel(std::unique_ptr<QWidget> content, std::chrono::milliseconds focusLossClickWindow,
                QWidget* parent = nullptr);

    // Shows and activates the panel next to the anchor, within its screen.
    void showAt(const QRect& anchor);
    // Does, hidden, what the first showing at the anchor would: the native
    // window, the layouts, the styles and one painting of the content, so that
    // the first opening only shows it.
    void prepareAt(const QRect& anchor);
    // A click on the tray icon that made the panel lose the focus arrives just
    // after it closed; that click must not open it again.
    bool closedByFocusLossJustNow() const;
    // A line under the content until the panel closes.
    void showNotice(const QString& text);
    QString notice() const;

protected:
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void placeAt(const QRect& anchor);
    void closeIfFocusLeft();
    bool ownsWindow(const QWidget* window) const;

    QWidget* m_content;
    QLabel* m_notice;
    std::chrono::milliseconds m_focusLossClickWindow;
    QElapsedTimer m_closedByFocusLoss;
    int m_openings = 0;
};

#pragma once

#include <QWidget>

class ProgressIndicator;
class QGraphicsOpacityEffect;
class QPushButton;

// A push button for work that runs a while. While busy it is dimmed to half,
// deaf to clicks and shows a spinning indicator over it, so that the work is
// started only once.
class BusyButton : public QWidget {
    Q_OBJECT
public:
    explicit BusyButton(const QString& text = QString(), QWidget* parent = nullptr);

    void setBusy(bool busy);
    bool isBusy() const { return m_isBusy; }
    QPushButton& button() const { return *m_button; }
    const ProgressIndicator& indicator() const { return *m_indicator; }

signals:
    // A click that was not ignored.
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* m_button;
    QGraphicsOpacityEffect* m_opacity;
    ProgressIndicator* m_indicator;
    bool m_isBusy = false;
};

#pragma once

#include <QWidget>

class ProgressIndicator;
class QGraphicsOpacityEffect;
class QPushButton;

// "Install" or "Uninstall" on the general settings page. While an operation
// runs it is busy: dimmed to half, deaf to clicks, with a spinning indicator
// over it.
class PresetActionButton : public QWidget {
    Q_OBJECT
public:
    explicit PresetActionButton(QWidget* parent = nullptr);

    // "Uninstall" when installed, otherwise "Install", enabled as given.
    void showInstalled(bool isInstalled, bool canInstall);
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

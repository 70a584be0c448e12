#pragma once

#include <QWidget>

// One page of the settings tabs. A tab view sizes itself to the largest of its
// pages, so a page that is not shown asks for no room: the window then fits
// the page shown, as desktop settings windows do.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPage(QWidget* content, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool isCurrent() const;
};

#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class TextExpanderMonitor;

// Whether the shortcuts work, in plain words, with what the user can do about
// it: start espanso, or learn how to install it. The full form is the General
// page's row; the short one, the welcome window's line, shows only while
// espanso is missing.
class TextShortcutsStatus : public QWidget {
    Q_OBJECT
public:
    enum class Form { row, missingOnly };

    static constexpr const char* installGuide = "https://espanso.org/install/";

    TextShortcutsStatus(TextExpanderMonitor& monitor, Form form, QWidget* parent = nullptr);

    QString text() const;
    QPushButton& startButton() const { return *m_startButton; }

    // The row wraps its words at the width the page gives it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

private:
    void showState();

    TextExpanderMonitor& m_monitor;
    Form m_form;
    QLabel* m_label;
    QPushButton* m_startButton;
};

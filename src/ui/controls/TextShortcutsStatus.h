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

private:
    void showState();

    TextExpanderMonitor& m_monitor;
    Form m_form;
    QLabel* m_label;
    QPushButton* m_startButton;
};

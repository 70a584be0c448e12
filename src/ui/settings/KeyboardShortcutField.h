#pragma once

#include <QWidget>

class KeyboardShortcut;
class QLabel;
class QPushButton;
class SingleChordEdit;

// The keyboard shortcut's setting: the key, a button that clears it, and in
// plain words who holds the key (Tesselle, or the desktop and as what) or why
// nobody does. Where the session lets no program hold
// a key, it says instead how to bind the desktop's own keyboard shortcut to
// the command, which can be selected and copied.
class KeyboardShortcutField : public QWidget {
    Q_OBJECT
public:
    explicit KeyboardShortcutField(KeyboardShortcut& shortcut, QWidget* parent = nullptr);

private:
    void showState();

    KeyboardShortcut& m_shortcut;
    SingleChordEdit* m_edit = nullptr;
    QPushButton* m_clear = nullptr;
    QLabel* m_status = nullptr;
};

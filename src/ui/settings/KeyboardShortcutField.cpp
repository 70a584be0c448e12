#include "ui/settings/KeyboardShortcutField.h"

#include "settings/KeyboardShortcut.h"
#include "ui/controls/ShownMessage.h"
#include "ui/controls/SingleChordEdit.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* plainLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// Who holds the key, or why nobody does; first why a key chosen was refused.
QString holderText(const KeyboardShortcut& shortcut) {
    if (!shortcut.refusal().isEmpty())
        return shownMessage(shortcut.refusal());
    const bool desktop = shortcut.keeper() == GlobalShortcut::Keeper::desktop;
    switch (shortcut.state()) {
    case KeyboardShortcut::State::bound:
        return desktop ? KeyboardShortcutField::tr("The desktop holds it for Tesselle as %1; "
                                                   "change it in the desktop's keyboard settings.")
                             .arg(shortcut.heldAs())
                       : KeyboardShortcutField::tr("Tesselle holds it.");
    case KeyboardShortcut::State::pending:
        return KeyboardShortcutField::tr("Waiting for the desktop to take the key…");
    case KeyboardShortcut::State::refused:
    case KeyboardShortcut::State::none:
    case KeyboardShortcut::State::unavailable:
        break;
    }
    return {};
}

} // namespace

KeyboardShortcutField::KeyboardShortcutField(KeyboardShortcut& shortcut, QWidget* parent)
    : QWidget(parent), m_shortcut(shortcut) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    if (shortcut.state() == KeyboardShortcut::State::unavailable) {
        const KeyboardShortcut::DesktopBinding binding = shortcut.desktopBinding();
        column->addWidget(plainLabel(binding.sentence));
        QLabel* command = plainLabel(binding.command);
        command->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        command->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        command->setAccessibleName(tr("Command"));
        column->addWidget(command);
        return;
    }
    m_edit = new SingleChordEdit;
    m_edit->setAccessibleName(tr("Keyboard shortcut"));
    // The text field inside the key field has the keyboard focus: it is what a
    // screen reader reads.
    if (auto* text = m_edit->findChild<QLineEdit*>())
        text->setAccessibleName(m_edit->accessibleName());
    m_clear = new QPushButton(tr("Clear"));
    m_clear->setAccessibleName(tr("Clear the keyboard shortcut"));
    auto* line = new QHBoxLayout;
    line->addWidget(m_edit, 1);
    line->addWidget(m_clear);
    column->addLayout(line);
    m_status = plainLabel(QString());
    column->addWidget(m_status);

    connect(m_edit, &SingleChordEdit::chordChosen, this, [this](const QKeySequence& chord) {
        const QString key = chord.toString(QKeySequence::PortableText);
        if (m_shortcut.canHold(key)) {
            m_shortcut.setKey(key);
            return;
        }
        // Back to the key held, with the reason.
        showState();
        m_status->setText(tr("%1 cannot be a keyboard shortcut in this session")
                              .arg(chord.toString(QKeySequence::NativeText)));
        m_status->show();
    });
    connect(m_clear, &QPushButton::clicked, this, [this] { m_shortcut.setKey(QString()); });
    connect(&shortcut, &KeyboardShortcut::stateChanged, this, &KeyboardShortcutField::showState);
    showState();
}

void KeyboardShortcutField::showState() {
    const QKeySequence key = QKeySequence::fromString(m_shortcut.key(), QKeySequence::PortableText);
    if (m_edit->keySequence() != key)
        m_edit->setKeySequence(key);
    m_clear->setEnabled(!key.isEmpty());
    const QString status = holderText(m_shortcut);
    m_status->setText(status);
    m_status->setVisible(!status.isEmpty());
}

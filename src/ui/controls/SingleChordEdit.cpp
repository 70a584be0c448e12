#include "ui/controls/SingleChordEdit.h"

#include <QKeyEvent>

namespace {

// A key held from any application stops reaching the others: a letter, a
// digit or Backspace alone, or with Shift, would stop typing it everywhere.
bool canBeHeld(QKeyCombination chord) {
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return (chord.keyboardModifiers() & commands) ||
           (chord.key() >= Qt::Key_F1 && chord.key() <= Qt::Key_F35);
}

bool isModifier(int key) {
    switch (key) {
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
        return true;
    default:
        return false;
    }
}

} // namespace

SingleChordEdit::SingleChordEdit(QWidget* parent) : QKeySequenceEdit(parent) {
    connect(this, &QKeySequenceEdit::keySequenceChanged, this, [this] { updateGeometry(); });
}

QSize SingleChordEdit::minimumSizeHint() const {
    // The inner field's frame and margins on both sides.
    constexpr int fieldMargins = 12;
    const int text =
        fontMetrics().horizontalAdvance(keySequence().toString(QKeySequence::NativeText));
    return {std::max(QKeySequenceEdit::minimumSizeHint().width(), text + fieldMargins),
            QKeySequenceEdit::minimumSizeHint().height()};
}

void SingleChordEdit::keyPressEvent(QKeyEvent* event) {
    if (!m_recording) {
        m_shown = keySequence();
        m_recording = true;
    }
    QKeySequenceEdit::keyPressEvent(event);
    const QKeySequence typed = keySequence();
    if (typed.isEmpty()) {
        // Modifiers alone are no chord yet; a key the field did not take
        // leaves the one shown before.
        if (!isModifier(event->key()))
            finishRecording(m_shown);
        return;
    }
    if (!canBeHeld(typed[0])) {
        finishRecording(m_shown);
        return;
    }
    const QKeySequence chord(typed[0]);
    finishRecording(chord);
    emit chordChosen(chord);
}

void SingleChordEdit::focusOutEvent(QFocusEvent* event) {
    QKeySequenceEdit::focusOutEvent(event);
    if (m_recording)
        finishRecording(m_shown);
}

// Setting a different sequence ends the field's recording: the next key
// starts a new one.
void SingleChordEdit::finishRecording(const QKeySequence& shown) {
    m_recording = false;
    setKeySequence(QKeySequence(Qt::Key_unknown));
    setKeySequence(shown);
}

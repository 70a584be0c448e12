#include "ui/controls/SingleChordEdit.h"

void SingleChordEdit::keyPressEvent(QKeyEvent* event) {
    QKeySequenceEdit::keyPressEvent(event);
    const QKeySequence typed = keySequence();
    // Modifiers alone are no chord yet.
    if (typed.isEmpty())
        return;
    const QKeySequence chord(typed[0]);
    // Setting a different sequence ends the recording: the next key starts a new one.
    setKeySequence(QKeySequence());
    setKeySequence(chord);
    emit chordChosen(chord);
}

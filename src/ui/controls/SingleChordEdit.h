#pragma once

#include <QKeySequenceEdit>

// A key-sequence field that takes one chord, a key with its modifiers: the
// first one ends the recording at once, where the plain field would wait for
// up to three more. A key that reaches the program from any application is
// one chord.
class SingleChordEdit : public QKeySequenceEdit {
    Q_OBJECT
public:
    using QKeySequenceEdit::QKeySequenceEdit;

signals:
    void chordChosen(const QKeySequence& chord);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

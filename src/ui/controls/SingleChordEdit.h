#pragma once

#include <QKeySequenceEdit>

// A key-sequence field that takes one chord, a key with its modifiers: the
// first one ends the recording at once, where the plain field would wait for
// up to three more. A key that reaches the program from any application is
// one chord. A chord without Ctrl, Alt or Meta is refused, function keys
// aside: the field goes back to the key it showed.
class SingleChordEdit : public QKeySequenceEdit {
    Q_OBJECT
public:
    explicit SingleChordEdit(QWidget* parent = nullptr);

    // Wide enough for the key it shows, as the user's language writes it
    // ("Strg+Alt+E", "Control+Alt+E").
    QSize minimumSizeHint() const override;

signals:
    void chordChosen(const QKeySequence& chord);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void finishRecording(const QKeySequence& shown);

    // The key shown when the recording started, shown again when it ends
    // without a chord.
    QKeySequence m_shown;
    bool m_recording = false;
};

#pragma once

#include <QImage>
#include <QString>

// The introduction clip, frame by frame: a text field where "/dance" is typed
// and turns into the dancer emoji, the way the installed shortcuts work.
class IntroScene {
public:
    enum class Appearance { light, dark };

    static constexpr int framesPerSecond = 30;
    static constexpr double seconds = 4.0;
    // Twice the 400 x 310 the welcome window shows, for sharp high-density screens.
    static constexpr int width = 800;
    static constexpr int height = 620;

    explicit IntroScene(Appearance appearance);

    int frameCount() const;
    QImage frame(int index) const;

private:
    struct Palette {
        QColor backgroundTop;
        QColor backgroundBottom;
        QColor field;
        QColor fieldOutline;
        QColor text;
        QColor caption;
        QColor accent;
    };

    // What the field holds at a time, and whether the shortcut has fired.
    QString typedText(double time) const;
    bool isReplaced(double time) const;

    Palette m_palette;
};

// Writes intro-light.mp4 and intro-dark.mp4 into the folder given (the
// repository's resources/ folder); see README.md.
#include "FrameEncoder.h"
#include "IntroScene.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

bool writeClip(IntroScene::Appearance appearance, const QString& path) {
    const IntroScene scene(appearance);
    FrameEncoder encoder(path, IntroScene::width, IntroScene::height, IntroScene::framesPerSecond);
    if (!encoder.start()) {
        QTextStream(stderr) << "Cannot start ffmpeg: " << encoder.errorText() << "\n";
        return false;
    }
    for (int index = 0; index < scene.frameCount(); ++index) {
        if (!encoder.write(scene.frame(index)))
            break;
    }
    if (!encoder.finish()) {
        QTextStream(stderr) << "ffmpeg failed for " << path << "\n";
        return false;
    }
    QTextStream(stdout) << path << "\n";
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // Frames are drawn in memory; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: introvideo <output folder>\n";
        return 2;
    }
    const QDir folder(arguments[1]);
    const bool light = writeClip(IntroScene::Appearance::light,
                                 folder.filePath(QStringLiteral("intro-light.mp4")));
    const bool dark =
        writeClip(IntroScene::Appearance::dark, folder.filePath(QStringLiteral("intro-dark.mp4")));
    return light && dark ? 0 : 1;
}

#pragma once

#include <QProcess>
#include <QString>

class QImage;

// Hands frames to ffmpeg, which writes an H.264 MP4 that plays everywhere
// (yuv420p, the index at the front) and is the same on every run.
class FrameEncoder {
public:
    FrameEncoder(const QString& outputPath, int width, int height, int framesPerSecond);

    // False when ffmpeg could not be started.
    bool start();
    bool write(const QImage& frame);
    // Waits for ffmpeg; false when it failed.
    bool finish();
    QString errorText() const;

private:
    QProcess m_ffmpeg;
    QStringList m_arguments;
};

#include "FrameEncoder.h"

#include <QImage>

FrameEncoder::FrameEncoder(const QString& outputPath, int width, int height, int framesPerSecond) {
    const QString size = QStringLiteral("%1x%2").arg(width).arg(height);
    m_arguments = {"-y", "-loglevel", "error",
                   // raw frames on standard input
                   "-f", "rawvideo", "-pix_fmt", "rgba", "-s", size, "-framerate",
                   QString::number(framesPerSecond), "-i", "-",
                   // H.264 in the most widely decodable form; one thread and no
                   // version stamps, so the same frames give the same file
                   "-c:v", "libx264", "-preset", "veryslow", "-tune", "animation", "-crf", "24",
                   "-pix_fmt", "yuv420p", "-threads", "1", "-an", "-map_metadata", "-1", "-fflags",
                   "+bitexact", "-flags:v", "+bitexact", "-movflags", "+faststart", outputPath};
    m_ffmpeg.setProcessChannelMode(QProcess::ForwardedOutputChannel);
}

bool FrameEncoder::start() {
    m_ffmpeg.start(QStringLiteral("ffmpeg"), m_arguments);
    return m_ffmpeg.waitForStarted();
}

bool FrameEncoder::write(const QImage& frame) {
    const QImage rgba = frame.convertToFormat(QImage::Format_RGBA8888);
    const char* bytes = reinterpret_cast<const char*>(rgba.constBits());
    qint64 remaining = rgba.sizeInBytes();
    while (remaining > 0) {
        const qint64 written = m_ffmpeg.write(bytes, remaining);
        if (written < 0)
            return false;
        bytes += written;
        remaining -= written;
        m_ffmpeg.waitForBytesWritten(-1);
    }
    return true;
}

bool FrameEncoder::finish() {
    m_ffmpeg.closeWriteChannel();
    m_ffmpeg.waitForFinished(-1);
    return m_ffmpeg.exitStatus() == QProcess::NormalExit && m_ffmpeg.exitCode() == 0;
}

QString FrameEncoder::errorText() const {
    return m_ffmpeg.errorString();
}

#pragma once

#include <QImage>
#include <QMediaPlayer>
#include <QPointer>
#include <QWidget>

class QVideoFrame;
class QVideoSink;

// Shows a player's video, without controls, scaled to fit and centred. It
// paints the frames itself, so the video takes the window's rounded corners
// and translucency like any other content. Without a player, or before the
// first frame, it shows nothing.
class PlayerView : public QWidget {
    Q_OBJECT
public:
    explicit PlayerView(QWidget* parent = nullptr);

    QMediaPlayer* player() const { return m_player; }
    void setPlayer(QMediaPlayer* player);
    // Rounds the top corners, where the video meets a rounded window's edge.
    void setTopCornerRadius(qreal radius);
    // The frame shown now; null before the first one.
    const QImage& currentFrame() const { return m_frame; }

signals:
    void frameShown();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showFrame(const QVideoFrame& frame);

    QVideoSink* m_sink;
    QPointer<QMediaPlayer> m_player;
    QImage m_frame;
    qreal m_topCornerRadius = 0;
};

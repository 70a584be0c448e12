#include "ui/welcome/PlayerView.h"

#include <QMediaPlayer>
#include <QPainter>
#include <QPainterPath>
#include <QVideoFrame>
#include <QVideoSink>

PlayerView::PlayerView(QWidget* parent) : QWidget(parent), m_sink(new QVideoSink(this)) {
    connect(m_sink, &QVideoSink::videoFrameChanged, this, &PlayerView::showFrame);
}

void PlayerView::setPlayer(QMediaPlayer* player) {
    if (player == m_player)
        return;
    if (m_player)
        m_player->setVideoOutput(nullptr);
    m_player = player;
    m_frame = QImage();
    if (m_player) {
        // Qt 6.4's FFmpeg backend draws only into the output a player had when it
        // started playing: a playing player pauses while it gets this view's sink.
        const bool playing = m_player->playbackState() == QMediaPlayer::PlayingState;
        if (playing)
            m_player->pause();
        m_player->setVideoSink(m_sink);
        if (playing)
            m_player->play();
    }
    update();
}

void PlayerView::setTopCornerRadius(qreal radius) {
    m_topCornerRadius = radius;
    update();
}

void PlayerView::showFrame(const QVideoFrame& frame) {
    // The sink may hand over an empty frame when a player stops or lets go.
    if (!frame.isValid())
        return;
    m_frame = frame.toImage();
    update();
    emit frameShown();
}

void PlayerView::paintEvent(QPaintEvent*) {
    if (m_frame.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
    if (m_topCornerRadius > 0) {
        // The bottom corners fall outside the view, so only the top ones round.
        QPainterPath clip;
        clip.addRoundedRect(QRectF(rect()).adjusted(0, 0, 0, m_topCornerRadius), m_topCornerRadius,
                            m_topCornerRadius);
        painter.setClipPath(clip);
    }
    QSizeF size = m_frame.size();
    size.scale(this->size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(QRectF(rect()).center());
    painter.drawImage(target, m_frame);
}

#include "ui/welcome/WelcomeViewModel.h"

#include "platform/ResourceLocator.h"

#include <QMediaPlayer>
#include <QUrl>

WelcomeViewModel::WelcomeViewModel(const ResourceLocator& resources, QObject* parent)
    : QObject(parent), m_resources(resources) {
    // Qt Multimedia picks its backend at its first use, and this is the
    // program's only use. The FFmpeg backend plays H.264 with what Qt
    // Multimedia brings; GStreamer, the default, needs plugins that are often
    // missing and then crashes building its pipeline.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

WelcomeViewModel::~WelcomeViewModel() = default;

QMediaPlayer* WelcomeViewModel::player(ColorScheme scheme) {
    if (scheme == m_scheme && m_player)
        return m_player.get();
    const QString name =
        QStringLiteral("intro-") +
        (scheme == ColorScheme::dark ? QStringLiteral("dark") : QStringLiteral("light"));
    const std::optional<QString> path = m_resources.path(name, QStringLiteral("mp4"));
    if (!path)
        return nullptr;
    auto player = std::make_unique<QMediaPlayer>();
    player->setSource(QUrl::fromLocalFile(*path));
    player->play();
    m_player = std::move(player);
    m_scheme = scheme;
    return m_player.get();
}

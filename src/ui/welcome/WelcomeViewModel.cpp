#include "ui/welcome/WelcomeViewModel.h"

#include "platform/ResourceLocator.h"

#include <QLoggingCategory>
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
    // The FFmpeg backend of Qt 6.4 lists its codecs and probes for hardware
    // decoders at every start of a video, in debug lines of the default
    // category; the program writes none of its own. QT_LOGGING_RULES still
    // brings them back.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
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
    connect(player.get(), &QMediaPlayer::errorOccurred, this,
            [name](QMediaPlayer::Error, const QString& message) {
                qWarning().noquote() << "The video" << name << "does not play:" << message;
            });
    player->setSource(QUrl::fromLocalFile(*path));
    player->play();
    m_player = std::move(player);
    m_scheme = scheme;
    return m_player.get();
}

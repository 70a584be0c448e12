#include "ui/welcome/WelcomeViewModel.h"

#include "platform/LineOutput.h"
#include "platform/ResourceLocator.h"

#include <QMediaPlayer>
#include <QUrl>

WelcomeViewModel::WelcomeViewModel(const ResourceLocator& resources, LineOutput& output,
                                   QObject* parent)
    : QObject(parent), m_resources(resources) {
    output.writeLine(QStringLiteral("Init"));
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

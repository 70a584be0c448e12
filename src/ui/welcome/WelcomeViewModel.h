#pragma once

#include "ui/welcome/ColorScheme.h"

#include <QObject>
#include <memory>

class QMediaPlayer;
class ResourceLocator;

// The welcome window's introduction video: one player, made for the colour
// scheme it was asked for and playing from the start. A player that fails
// says why in a warning.
class WelcomeViewModel : public QObject {
    Q_OBJECT
public:
    explicit WelcomeViewModel(const ResourceLocator& resources, QObject* parent = nullptr);
    ~WelcomeViewModel() override;

    // The same player while the scheme stays; for another scheme a new player
    // of "intro-dark.mp4" or "intro-light.mp4", started at once. Null when the
    // video is not among the resources.
    QMediaPlayer* player(ColorScheme scheme);
    ColorScheme scheme() const { return m_scheme; }

private:
    const ResourceLocator& m_resources;
    std::unique_ptr<QMediaPlayer> m_player;
    ColorScheme m_scheme = ColorScheme::light;
};

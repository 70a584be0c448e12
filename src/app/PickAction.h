#pragma once

#include "ui/picker/EmojiPicking.h"

#include <QObject>

class AppManager;
class EmojiStore;
class Preferences;

// Picking an emoji with the program's clipboard, the picker's recents and the
// user's Autopaste switch. Lives as long as the view it serves, its parent.
class PickAction : public QObject, public EmojiPicking {
    Q_OBJECT
public:
    PickAction(AppManager& appManager, EmojiStore& store, const Preferences& preferences,
               QObject* parent = nullptr);

    Outcome pick(const Emoji& emoji, bool mayPaste) override;

private:
    AppManager& m_appManager;
    EmojiStore& m_store;
    const Preferences& m_preferences;
};

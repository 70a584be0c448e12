#include "app/PickAction.h"

#include "app/AppManager.h"
#include "catalogue/EmojiStore.h"
#include "settings/Preferences.h"

PickAction::PickAction(AppManager& appManager, EmojiStore& store, const Preferences& preferences,
                       QObject* parent)
    : QObject(parent), m_appManager(appManager), m_store(store), m_preferences(preferences) {}

EmojiPicking::Outcome PickAction::pick(const Emoji& emoji, bool mayPaste) {
    m_appManager.copy(emoji.symbol);
    m_store.addRecent(emoji);
    if (!mayPaste || !m_preferences.autoPaste())
        return Outcome::copied;
    // A paste that failed leaves the emoji copied, and the view says so.
    return m_appManager.paste() ? Outcome::pasted : Outcome::copied;
}

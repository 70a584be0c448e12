#pragma once

#include "catalogue/EmojiGroup.h"
#include "catalogue/EmojiSearchIndex.h"
#include "settings/StoredSetting.h"

#include <QObject>

class Preset;
class ResourceLocator;
class TextMeasurer;

// The model behind the picker: the catalogue groups in the installed skin tone,
// the favourites and the recently used emoji, each filtered by the search text,
// and the catalogue emoji that the search text most likely means. Favourites
// and recents are kept as symbol lists under "favorites" and "recent". Use it
// on the main thread; its published changes happen there.
class EmojiStore : public QObject {
    Q_OBJECT
public:
    static constexpr int recentLimit = 16;
    // Two rows of the grid.
    static constexpr int bestMatchLimit = 16;

    EmojiStore(Preset& preset, DefaultsStore& defaults, const ResourceLocator& resources,
               const TextMeasurer& measurer, QObject* parent = nullptr);

    const QString& searchText() const { return m_searchText; }
    // Refilters every group and ranks the best matches; only the empty text
    // shows all. Nothing is trimmed.
    void setSearchText(const QString& text);

    const QList<EmojiGroup>& systemGroups() const { return m_systemGroups; }
    const EmojiGroup& favoriteGroup() const { return m_favoriteGroup; }
    const EmojiGroup& recentGroup() const { return m_recentGroup; }
    // Favourites, recents (both even when empty), then the catalogue groups.
    QList<EmojiGroup> allGroups() const;
    // Every favourite, whatever the search shows.
    const EmojiGroup& allFavoriteGroup() const { return m_allFavoriteGroup; }
    // The catalogue emoji the search text most likely means, best first; none
    // while the text is empty. Copies under ids of their own, the same for
    // one emoji from one search to the next. Ranked again when the text
    // changes, with the catalogue (published with systemGroupsChanged()), not
    // when a favourite or recent is added: what the user is about to click
    // stays where it is.
    const QList<Emoji>& bestMatches() const { return m_bestMatches; }

    // Shown at once, even when it does not match the search.
    void addFavorite(const Emoji& emoji);
    // Removes every favourite with the emoji's symbol.
    void removeFavorite(const Emoji& emoji);
    // Moves the emoji to the front of the recents, which keep the newest 16.
    void addRecent(const Emoji& emoji);
    // Favourites and recents as stored now, after the settings were reset.
    void reloadSavedSymbols();

signals:
    void systemGroupsChanged();
    void favoriteGroupChanged();
    void recentGroupChanged();

private:
    void loadCatalogue();
    void loadSavedSymbols();
    void reloadCatalogue();
    void indexCatalogue();
    QList<EmojiGroup> filteredSystemGroups() const;
    void rankBestMatches();
    QList<Emoji> resolveSymbols(const QStringList& symbols) const;
    static QStringList symbolsOf(const EmojiGroup& group);

    Preset& m_preset;
    const ResourceLocator& m_resources;
    const TextMeasurer& m_measurer;
    StoredSetting<QStringList> m_favoritesSetting;
    StoredSetting<QStringList> m_recentSetting;

    QString m_searchText;
    QList<EmojiGroup> m_systemGroups;
    EmojiGroup m_favoriteGroup{EmojiGroupType::favorites, {}};
    EmojiGroup m_recentGroup{EmojiGroupType::recent, {}};
    QList<EmojiGroup> m_allSystemGroups;
    EmojiGroup m_allFavoriteGroup{EmojiGroupType::favorites, {}};
    EmojiGroup m_allRecentGroup{EmojiGroupType::recent, {}};
    // The emoji of m_allSystemGroups in order, and their best match forms.
    EmojiSearchIndex m_searchIndex;
    QList<Emoji> m_catalogue;
    QHash<qsizetype, Emoji> m_bestMatchForms;
    QList<Emoji> m_bestMatches;
};

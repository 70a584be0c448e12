#include "catalogue/EmojiStore.h"

#include "catalogue/EmojiSearch.h"
#include "catalogue/SystemGroups.h"
#include "catalogue/ToneRules.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/Preset.h"

#include <QHash>

EmojiStore::EmojiStore(Preset& preset, DefaultsStore& defaults, const ResourceLocator& resources,
                       const TextMeasurer& measurer, QObject* parent)
    : QObject(parent), m_preset(preset), m_resources(resources), m_measurer(measurer),
      m_favoritesSetting(defaults, SettingsKeys::favorites, {}),
      m_recentSetting(defaults, SettingsKeys::recent, {}) {
    loadCatalogue();
    m_systemGroups = m_allSystemGroups;
    loadSavedSymbols();
    connect(&preset, &Preset::installedConfigurationChanged, this, &EmojiStore::reloadCatalogue);
}

void EmojiStore::setSearchText(const QString& text) {
    m_searchText = text;
    m_recentGroup.emojis = filterEmojis(m_allRecentGroup.emojis, text);
    m_favoriteGroup.emojis = filterEmojis(m_allFavoriteGroup.emojis, text);
    m_systemGroups = filteredSystemGroups();
    rankBestMatches();
    emit recentGroupChanged();
    emit favoriteGroupChanged();
    emit systemGroupsChanged();
}

QList<EmojiGroup> EmojiStore::allGroups() const {
    return QList<EmojiGroup>{m_favoriteGroup, m_recentGroup} + m_systemGroups;
}

void EmojiStore::addFavorite(const Emoji& emoji) {
    const Emoji favorite = emoji.copy();
    m_allFavoriteGroup.emojis << favorite;
    m_favoriteGroup.emojis << favorite;
    m_favoritesSetting.write(symbolsOf(m_allFavoriteGroup));
    emit favoriteGroupChanged();
}

void EmojiStore::removeFavorite(const Emoji& emoji) {
    const auto sameSymbol = [&](const Emoji& favorite) { return favorite.symbol == emoji.symbol; };
    m_allFavoriteGroup.emojis.removeIf(sameSymbol);
    m_favoriteGroup.emojis.removeIf(sameSymbol);
    m_favoritesSetting.write(symbolsOf(m_allFavoriteGroup));
    emit favoriteGroupChanged();
}

void EmojiStore::addRecent(const Emoji& emoji) {
    QList<Emoji> recents = m_allRecentGroup.emojis;
    recents.removeIf([&](const Emoji& recent) { return recent.symbol == emoji.symbol; });
    recents.prepend(emoji.copy());
    if (recents.size() > recentLimit)
        recents.resize(recentLimit);
    m_allRecentGroup.emojis = recents;
    m_recentGroup.emojis = filterEmojis(recents, m_searchText);
    m_recentSetting.write(symbolsOf(m_allRecentGroup));
    emit recentGroupChanged();
}

void EmojiStore::reloadSavedSymbols() {
    loadSavedSymbols();
    emit recentGroupChanged();
    emit favoriteGroupChanged();
}

void EmojiStore::loadSavedSymbols() {
    m_allRecentGroup.emojis = resolveSymbols(m_recentSetting.read());
    m_recentGroup.emojis = filterEmojis(m_allRecentGroup.emojis, m_searchText);
    m_allFavoriteGroup.emojis = resolveSymbols(m_favoritesSetting.read());
    m_favoriteGroup.emojis = filterEmojis(m_allFavoriteGroup.emojis, m_searchText);
}

// A catalogue that cannot be loaded shows as empty; the picker still has
// favourites and recents.
void EmojiStore::loadCatalogue() {
    const std::optional<PresetConfiguration>& configuration = m_preset.installedConfiguration();
    const std::optional<Tone> tone =
        configuration ? std::optional(configuration->tone) : std::nullopt;
    try {
        m_allSystemGroups = loadSystemGroups(m_resources, m_measurer, tone);
    } catch (const std::exception&) {
        m_allSystemGroups.clear();
    }
    indexCatalogue();
}

void EmojiStore::indexCatalogue() {
    QList<EmojiSearchIndex::Entry> entries;
    m_catalogue.clear();
    for (const EmojiGroup& group : std::as_const(m_allSystemGroups)) {
        for (const Emoji& emoji : group.emojis) {
            entries << EmojiSearchIndex::Entry{
                emoji.symbol, {emoji.description}, emoji.aliases, emoji.tags};
            m_catalogue << emoji;
        }
    }
    m_searchIndex = EmojiSearchIndex(entries);
    m_bestMatchForms.clear();
}

// Favourites and recents keep their symbols; only the catalogue follows the tone.
void EmojiStore::reloadCatalogue() {
    loadCatalogue();
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_systemGroups = filteredSystemGroups();
            rankBestMatches();
            emit systemGroupsChanged();
        },
        Qt::QueuedConnection);
}

QList<EmojiGroup> EmojiStore::filteredSystemGroups() const {
    if (m_searchText.isEmpty())
        return m_allSystemGroups;
    const std::vector<bool> found = m_searchIndex.entriesContaining(m_searchText.toLower());
    QList<EmojiGroup> groups;
    size_t entry = 0;
    for (const EmojiGroup& all : m_allSystemGroups) {
        EmojiGroup& filtered = groups.emplace_back(EmojiGroup{all.type, {}});
        for (const Emoji& emoji : all.emojis) {
            if (found[entry++])
                filtered.emojis << emoji;
        }
    }
    return groups;
}

// A best match is a copy of its catalogue emoji, made when first ranked and
// kept with the catalogue: selected, it stays selected through the next search.
void EmojiStore::rankBestMatches() {
    m_bestMatches.clear();
    if (m_searchText.isEmpty())
        return;
    const EmojiSearchIndex::Preference preference{symbolsOf(m_allFavoriteGroup),
                                                  symbolsOf(m_allRecentGroup)};
    for (qsizetype entry : m_searchIndex.bestMatches(m_searchText, preference, bestMatchLimit)) {
        auto form = m_bestMatchForms.find(entry);
        if (form == m_bestMatchForms.end())
            form = m_bestMatchForms.insert(entry, m_catalogue[entry].copy());
        m_bestMatches << *form;
    }
}

// A symbol saved in a skin-tone form that the catalogue does not show (another
// default tone, or a form picked in the detail panel) resolves through its
// untoned form and keeps its own symbol; only unknown symbols are dropped.
QList<Emoji> EmojiStore::resolveSymbols(const QStringList& symbols) const {
    QHash<QString, const Emoji*> bySymbol;
    QHash<QString, const Emoji*> byUntoned;
    for (const EmojiGroup& group : m_allSystemGroups) {
        for (const Emoji& emoji : group.emojis) {
            if (!bySymbol.contains(emoji.symbol))
                bySymbol.insert(emoji.symbol, &emoji);
            const QString untoned = removeSkinTone(emoji.symbol);
            if (!byUntoned.contains(untoned))
                byUntoned.insert(untoned, &emoji);
        }
    }
    QList<Emoji> emojis;
    for (const QString& symbol : symbols) {
        const Emoji* found = bySymbol.value(symbol);
        if (!found)
            found = byUntoned.value(removeSkinTone(symbol));
        if (found)
            emojis << Emoji::make(symbol, found->description, found->aliases, found->tags);
    }
    return emojis;
}

QStringList EmojiStore::symbolsOf(const EmojiGroup& group) {
    QStringList symbols;
    for (const Emoji& emoji : group.emojis)
        symbols << emoji.symbol;
    return symbols;
}

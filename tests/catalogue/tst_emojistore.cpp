#include "FakeTextMeasurer.h"
#include "PresetFixture.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "catalogue/EmojiStore.h"
#include "platform/linux/ResourceFolder.h"
#include "settings/SettingsKeys.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

// Emoji, category, description, aliases, tags.
const char* const catalogueJson = R"([
{"emoji": "😀", "description": "grinning face", "category": "Smileys & Emotion", "aliases": ["grinning"], "tags": ["smile"]},
{"emoji": "👍", "description": "thumbs up", "category": "People & Body", "aliases": ["+1"], "tags": ["approve"]},
{"emoji": "👋", "description": "waving hand", "category": "People & Body", "aliases": ["wave"], "tags": ["goodbye"]},
{"emoji": "🐈", "description": "cat", "category": "Animals & Nature", "aliases": ["cat2"], "tags": ["pet"]},
{"emoji": "🐶", "description": "dog", "category": "Animals & Nature", "aliases": ["dog"], "tags": ["pet"]},
{"emoji": "☕", "description": "hot beverage", "category": "Food & Drink", "aliases": ["coffee"], "tags": ["καφές"]},
{"emoji": "📚", "description": "books", "category": "Objects", "aliases": ["books"], "tags": ["education"]},
{"emoji": "🇩🇪", "description": "flag: Germany", "category": "Flags", "aliases": ["de"], "tags": ["flag"]}
])";

QStringList symbolsOf(const QList<Emoji>& emojis) {
    QStringList symbols;
    for (const Emoji& emoji : emojis)
        symbols << emoji.symbol;
    return symbols;
}

QStringList symbolsOf(const QList<EmojiGroup>& groups) {
    QStringList symbols;
    for (const EmojiGroup& group : groups)
        symbols += symbolsOf(group.emojis);
    return symbols;
}

QStringList titlesOf(const QList<EmojiGroup>& groups) {
    QStringList titles;
    for (const EmojiGroup& group : groups)
        titles << group.id();
    return titles;
}

Emoji emoji(const QString& symbol) {
    return Emoji::make(symbol, "description", {}, {});
}

const QStringList catalogueTitles{"Smileys & People", "Animals & Nature", "Food & Drink", "Objects",
                                  "Flags"};

} // namespace

class EmojiStoreTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    ResourceFolder resources{folder.path()};
    FakeTextMeasurer measurer{{"👍", "👋"}};
    std::unique_ptr<FakeDefaultsStore> defaults;
    std::unique_ptr<PresetFixture> fixture;

    void write(const QString& name, const QByteArray& content) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    std::unique_ptr<EmojiStore> newStore() {
        return std::make_unique<EmojiStore>(fixture->preset, *defaults, resources, measurer);
    }

    void store(const char* key, const QStringList& symbols) {
        StoredSetting<QStringList>(*defaults, key, {}).write(symbols);
    }
    QStringList stored(const char* key) {
        return StoredSetting<QStringList>(*defaults, key, {"not stored"}).read();
    }

private slots:
    void init() {
        write("emojis.json", catalogueJson);
        write("common.csv", "😀,grinning\n👍,thumbsup\n");
        write("person.csv", "👋,wave\n");
        defaults = std::make_unique<FakeDefaultsStore>();
        fixture = std::make_unique<PresetFixture>(*defaults, resources, measurer);
    }
    void cleanup() {
        fixture.reset();
        defaults.reset();
    }

    void withoutCatalogueOnlyTheTwoEmptyGroupsRemain() {
        QFile::remove(folder.filePath("emojis.json"));
        store(SettingsKeys::favorites, {"😀"});
        const auto store = newStore();
        QCOMPARE(titlesOf(store->allGroups()), (QStringList{"Favorites", "Recent"}));
        QCOMPARE(symbolsOf(store->allGroups()), QStringList());
    }

    void searchKeepsEmojiWithAWordContainingTheText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("no text shows everything")
            << QString() << QStringList{"😀", "👍", "👋", "🐈", "🐶", "☕", "📚", "🇩🇪"};
        QTest::newRow("a text inside a tag, a description and an alias")
            << "cat" << QStringList{"🐈", "📚"};
        QTest::newRow("upper case finds what lower case finds") << "GRIN" << QStringList{"😀"};
        QTest::newRow("letters beyond ASCII are lower-cased too") << "ΚΑΦΈ" << QStringList{"☕"};
        QTest::newRow("the symbol itself") << "👍" << QStringList{"👍"};
        QTest::newRow("a single space is a text like any other")
            << " " << QStringList{"😀", "👍", "👋", "☕", "🇩🇪"};
        QTest::newRow("a text nothing contains") << "zebra" << QStringList();
    }
    void searchKeepsEmojiWithAWordContainingTheText() {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        const auto store = newStore();
        store->setSearchText(text);
        QCOMPARE(symbolsOf(store->systemGroups()), found);
        QCOMPARE(titlesOf(store->systemGroups()), catalogueTitles);
    }

    void theBestMatchesAreRankedCopiesOnlyWhileTheSearchHoldsText() {
        store(SettingsKeys::favorites, {"🐶"});
        const auto store = newStore();
        QVERIFY(store->bestMatches().isEmpty());
        store->setSearchText("pet");
        // Equal fits: the favourite first, then catalogue order.
        QCOMPARE(symbolsOf(store->bestMatches()), (QStringList{"🐶", "🐈"}));
        const QUuid dog = store->bestMatches().first().id;
        QVERIFY(dog != store->systemGroups()[1].emojis[1].id);
        QVERIFY(dog != store->favoriteGroup().emojis.first().id);
        store->setSearchText("pe");
        store->setSearchText("pet");
        QCOMPARE(store->bestMatches().first().id, dog);
        store->setSearchText("");
        QVERIFY(store->bestMatches().isEmpty());
    }

    void searchFiltersFavoritesAndRecentsAlike() {
        store(SettingsKeys::favorites, {"🐶", "🐈"});
        store(SettingsKeys::recent, {"📚", "😀"});
        const auto store = newStore();
        store->setSearchText("cat");
        QCOMPARE(symbolsOf(store->favoriteGroup().emojis), QStringList{"🐈"});
        QCOMPARE(symbolsOf(store->recentGroup().emojis), QStringList{"📚"});
        store->setSearchText("");
        QCOMPARE(symbolsOf(store->favoriteGroup().emojis), (QStringList{"🐶", "🐈"}));
    }

    void recentsKeepTheNewestSixteenNewestFirst() {
        const auto store = newStore();
        QStringList recorded;
        for (char32_t scalar = 0x1F600; scalar < 0x1F611; ++scalar) {
            const QString symbol = QString::fromUcs4(&scalar, 1);
            store->addRecent(emoji(symbol));
            recorded.prepend(symbol);
        }
        QCOMPARE(symbolsOf(store->recentGroup().emojis), recorded.first(16));
        store->addRecent(emoji(recorded[5]));
        const QStringList moved =
            QStringList{recorded[5]} + recorded.first(5) + recorded.sliced(6, 10);
        QCOMPARE(symbolsOf(store->recentGroup().emojis), moved);
        QCOMPARE(stored(SettingsKeys::recent), moved);
    }

    void aRecentRecordedDuringASearchShowsOnlyIfItMatches() {
        const auto store = newStore();
        store->setSearchText("dog");
        store->addRecent(emoji("🐈"));
        QCOMPARE(symbolsOf(store->recentGroup().emojis), QStringList());
        store->setSearchText("");
        QCOMPARE(symbolsOf(store->recentGroup().emojis), QStringList{"🐈"});
    }

    void aFavoriteAddedDuringASearchShowsUntilTheNextSearch() {
        const auto store = newStore();
        const Emoji dog = store->systemGroups()[1].emojis[1];
        store->setSearchText("cat");
        store->addFavorite(dog);
        QCOMPARE(symbolsOf(store->favoriteGroup().emojis), QStringList{"🐶"});
        store->setSearchText("cat");
        QCOMPARE(symbolsOf(store->favoriteGroup().emojis), QStringList());
    }

    void aRemovedFavoriteIsGoneAfterTheNextLaunch() {
        store(SettingsKeys::favorites, {"🐶", "🐈", "🐶"});
        newStore()->removeFavorite(emoji("🐶"));
        QCOMPARE(stored(SettingsKeys::favorites), QStringList{"🐈"});
        QCOMPARE(symbolsOf(newStore()->favoriteGroup().emojis), QStringList{"🐈"});
    }

    void storedListsThatAreNotDataReadAsEmpty_data() {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("a text instead of data") << QVariant(QStringLiteral(R"(["😀"])"));
        QTest::newRow("data that is not JSON") << QVariant(QByteArray("[\"😀\""));
        QTest::newRow("data holding an array of numbers") << QVariant(QByteArray("[1]"));
        QTest::newRow("data holding an object") << QVariant(QByteArray(R"({"😀": 1})"));
    }
    void storedListsThatAreNotDataReadAsEmpty() {
        QFETCH(QVariant, value);
        defaults->setValue(SettingsKeys::recent, value);
        QCOMPARE(symbolsOf(newStore()->recentGroup().emojis), QStringList());
    }

    void storedSymbolsResolveThroughTheirUntonedForm_data() {
        QTest::addColumn<std::optional<Tone>>("installed");
        QTest::addColumn<QStringList>("storedSymbols");
        QTest::addColumn<QStringList>("resolved");
        QTest::newRow("a form picked in the detail panel keeps its tone")
            << std::optional<Tone>() << QStringList{"👍🏽", "🐶"}
            << QStringList{"👍🏽", "🐶"};
        QTest::newRow("a favourite saved before a tone change keeps its symbol")
            << std::optional(Tone::dark) << QStringList{"👍", "👋🏻"}
            << QStringList{"👍", "👋🏻"};
        QTest::newRow("a symbol the catalogue lacks in any form is dropped")
            << std::optional<Tone>() << QStringList{"🦄", "🦄🏽", "😀"} << QStringList{"😀"};
    }
    void storedSymbolsResolveThroughTheirUntonedForm() {
        QFETCH(std::optional<Tone>, installed);
        QFETCH(QStringList, storedSymbols);
        QFETCH(QStringList, resolved);
        if (installed)
            waitForTask(fixture->preset.install({Gender::person, *installed, std::nullopt}));
        store(SettingsKeys::favorites, storedSymbols);
        const auto store = newStore();
        QCOMPARE(symbolsOf(store->favoriteGroup().emojis), resolved);
        QCOMPARE(store->favoriteGroup().emojis[0].description,
                 resolved[0] == "😀" ? "grinning face" : "thumbs up");
        store->addFavorite(emoji("🐈"));
        QCOMPARE(stored(SettingsKeys::favorites), resolved + QStringList{"🐈"});
    }

    void aToneChangeReloadsTheCatalogueOnTheMainThread() {
        const auto store = newStore();
        store->addFavorite(store->systemGroups()[0].emojis[1]); // 👍
        store->setSearchText("wav");
        QList<QThread*> threads;
        for (auto signal : {&EmojiStore::systemGroupsChanged, &EmojiStore::favoriteGroupChanged,
                            &EmojiStore::recentGroupChanged})
            connect(
                store.get(), signal, this, [&threads] { threads << QThread::currentThread(); },
                Qt::DirectConnection);

        waitForTask(fixture->preset.install({Gender::person, Tone::dark, std::nullopt}));
        QTRY_COMPARE(threads.size(), 1);
        QCOMPARE(symbolsOf(store->systemGroups()), QStringList{"👋🏿"});
        QCOMPARE(symbolsOf(store->bestMatches()), QStringList{"👋🏿"});
        store->setSearchText("");
        QCOMPARE(symbolsOf(store->favoriteGroup().emojis), QStringList{"👍"});
        QCOMPARE(symbolsOf(store->systemGroups()).first(3),
                 (QStringList{"😀", "👍🏿", "👋🏿"}));
        QCOMPARE(threads, QList<QThread*>(4, QCoreApplication::instance()->thread()));
    }
};

TESSELLE_TEST_MAIN(EmojiStoreTest, QCoreApplication)
#include "tst_emojistore.moc"

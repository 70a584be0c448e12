#include "TestEnvironment.h"
#include "WaitFor.h"
#include "async/BackgroundTasks.h"
#include "catalogue/EmojiWords.h"
#include "catalogue/SearchFolding.h"
#include "platform/linux/ResourceFolder.h"

#include <QCoreApplication>
#include <QTest>

class EmojiWordsTest : public QObject {
    Q_OBJECT

private slots:
    void aLineGivesTheNameAndKeywordsOfItsEmoji_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("a name and keywords")
            << QByteArray("😀\tgrinsendes Gesicht\tGesicht|lol|lustig\n") << "😀"
            << "grinsendes Gesicht"
            << QStringList{"grinsendes gesicht", "gesicht", "lol", "lustig"};
        QTest::newRow("a name alone, the last line without its line feed")
            << QByteArray("🇩🇪\tFlagge: Deutschland\t") << "🇩🇪"
            << "Flagge: Deutschland" << QStringList{"flagge: deutschland"};
        QTest::newRow("a toned form finds its untoned line")
            << QByteArray("👍\tDaumen hoch\tgut\n") << "👍🏽"
            << "Daumen hoch" << QStringList{"daumen hoch", "gut"};
        QTest::newRow("a toned form of a base drawn as text finds the line with U+FE0F")
            << QByteArray("☝️\tnach oben weisender Zeigefinger\toben\n") << "☝🏾"
            << "nach oben weisender Zeigefinger"
            << QStringList{"nach oben weisender zeigefinger", "oben"};
        QTest::newRow("the emoji of another line gets nothing")
            << QByteArray("😀\tgrinsendes Gesicht\tGesicht\n") << "😃" << QString() << QStringList();
        QTest::newRow("lines of another shape are skipped")
            << QByteArray("😀\tgrinsendes Gesicht\n😃\t\tGesicht\n\tkein Emoji\tx\n"
                          "😄\ta\tb\tc\n\n")
            << "😀" << QString() << QStringList();
    }
    void aLineGivesTheNameAndKeywordsOfItsEmoji() {
        QFETCH(QByteArray, text);
        QFETCH(QString, symbol);
        QFETCH(QString, name);
        QFETCH(QStringList, words);
        const EmojiWords parsed = EmojiWords::parse(text);
        Emoji emoji = Emoji::make(symbol, "english", {}, {});
        emoji.localName = "from another language";
        emoji.localWords = {"old"};
        parsed.applyTo(emoji);
        QCOMPARE(emoji.localName, name);
        QCOMPARE(emoji.localWords, words);
        QCOMPARE(emoji.shownName(), name.isEmpty() ? "english" : name);
        QCOMPARE(emoji.copy().localWords, words);
    }

    void searchComparesWordsAsTheirLanguageLetsThemBeTyped_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("same");
        QTest::newRow("French ligature typed as two letters") << "cœur"
                                                              << "coeur" << true;
        QTest::newRow("French accents left out") << "Fée"
                                                 << "fee" << true;
        QTest::newRow("Spanish tilde left out") << "Ñandú"
                                                << "nandu" << true;
        QTest::newRow("German sharp s typed as ss") << "Straße"
                                                    << "STRASSE" << true;
        QTest::newRow("German umlaut typed bare") << "Hände"
                                                  << "hande" << true;
        QTest::newRow("Polish letters typed bare") << "żółw"
                                                   << "zolw" << true;
        QTest::newRow("Danish ø typed as o") << "Hjørne"
                                             << "hjorne" << true;
        QTest::newRow("Greek accents left out") << "Καφές"
                                                << "καφες" << true;
        QTest::newRow("Russian ё typed as е") << "Ёлка"
                                              << "елка" << true;
        QTest::newRow("Russian й is another letter than и") << "чай"
                                                            << "чаи" << false;
        QTest::newRow("Japanese katakana typed in hiragana") << "ネコ"
                                                             << "ねこ" << true;
        QTest::newRow("Japanese voicing marks make other words") << "ガス"
                                                                 << "かす" << false;
        QTest::newRow("full-width letters typed plain") << "ＯＫ"
                                                        << "ok" << true;
        QTest::newRow("Hindi vowel signs stay") << "बिल्ली"
                                                << "बल" << false;
        QTest::newRow("an emoji stays itself") << "❤️"
                                               << "❤️" << true;
    }
    void searchComparesWordsAsTheirLanguageLetsThemBeTyped() {
        QFETCH(QString, written);
        QFETCH(QString, typed);
        QFETCH(bool, same);
        QCOMPARE(foldedForSearch(written) == foldedForSearch(typed), same);
    }

    void theShippedLanguagesLoadOffTheMainThread_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("heart");
        QTest::newRow("German") << "de"
                                << "rotes Herz";
        QTest::newRow("French") << "fr"
                                << "cœur rouge";
        QTest::newRow("Japanese") << "ja"
                                  << "赤いハート";
        QTest::newRow("traditional Chinese") << "zh_Hant"
                                             << "愛心";
        QTest::newRow("a language that does not ship is nothing") << "xx" << QString();
    }
    void theShippedLanguagesLoadOffTheMainThread() {
        QFETCH(QString, language);
        QFETCH(QString, heart);
        BackgroundTasks background;
        const ResourceFolder resources(TESSELLE_SOURCE_RESOURCES);
        const std::shared_ptr<const EmojiWords> words =
            waitForTask(EmojiWords::loadInBackground(background, resources, language));
        background.stop();
        QCOMPARE(words->isEmpty(), heart.isEmpty());
        QVERIFY(words->isEmpty() || words->size() > 1800);
        const EmojiWords::Entry* entry = words->find("❤️");
        QCOMPARE(entry ? entry->name : QString(), heart);
    }
};

TESSELLE_TEST_MAIN(EmojiWordsTest, QCoreApplication)
#include "tst_emojiwords.moc"

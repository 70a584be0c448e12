#include "FakeTextMeasurer.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "WarmUpAndWait.h"
#include "catalogue/SystemGroups.h"
#include "platform/MessageError.h"
#include "platform/linux/ResourceFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray record(const char* emoji, const char* category) {
    return QByteArray(R"({"emoji": ")") + emoji + R"(", "description": "d", "category": ")" +
           category + R"(", "aliases": ["a"], "tags": ["t"]})";
}

QByteArray catalogue(const QList<QByteArray>& records) {
    return '[' + records.join(",\n") + ']';
}

// "Smileys & People: 😀 👋" for each group, one line each.
QStringList describe(const QList<EmojiGroup>& groups) {
    QStringList lines;
    for (const EmojiGroup& group : groups) {
        QStringList symbols;
        for (const Emoji& emoji : group.emojis)
            symbols << emoji.symbol;
        lines << group.id() + ": " + symbols.join(' ');
    }
    return lines;
}

} // namespace

class SystemGroupsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    ResourceFolder resources{folder.path()};
    FakeTextMeasurer measurer{{QStringLiteral("👋")}};

    void writeCatalogue(const QByteArray& content) {
        QFile file(folder.filePath("emojis.json"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    QString failureOf(const QByteArray& content) {
        writeCatalogue(content);
        try {
            loadSystemGroups(resources, measurer, std::nullopt);
        } catch (const MessageError& error) {
            return error.message();
        }
        return QStringLiteral("no failure");
    }

private slots:
    void recordsAreGroupedInTabOrder_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("groups");
        QTest::newRow("smileys come before people whatever the file order")
            << catalogue({record("👋", "People & Body"), record("😀", "Smileys & Emotion"),
                          record("👍", "People & Body")})
            << QStringList{"Smileys & People: 😀 👋 👍"};
        QTest::newRow("groups follow the tabs, not the file")
            << catalogue({record("🇩🇪", "Flags"), record("🐶", "Animals & Nature"),
                          record("⚽", "Activities")})
            << QStringList{"Animals & Nature: 🐶", "Activities: ⚽", "Flags: 🇩🇪"};
        QTest::newRow("a category of no group is dropped")
            << catalogue({record("🐶", "Animals & Nature"), record("🏻", "Component")})
            << QStringList{"Animals & Nature: 🐶"};
        QTest::newRow("repeated records are both kept")
            << catalogue({record("🐶", "Animals & Nature"), record("🐶", "Animals & Nature")})
            << QStringList{"Animals & Nature: 🐶 🐶"};
        QTest::newRow("other keys of a record are ignored")
            << QByteArray(R"([{"emoji": "🐶", "description": "d", "category": "Animals & Nature",
                             "aliases": [], "tags": [], "unicode": "6.0",
                             "skins": [{"tone": 1, "emoji": null}, [true]]}])")
            << QStringList{"Animals & Nature: 🐶"};
        QTest::newRow("an empty catalogue has no groups") << QByteArray("[]") << QStringList();
    }
    void recordsAreGroupedInTabOrder() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, groups);
        writeCatalogue(content);
        QCOMPARE(describe(loadSystemGroups(resources, measurer, std::nullopt)), groups);
    }

    void theDefaultToneIsAppliedToEmojiThatTakeIt() {
        writeCatalogue(catalogue({record("😀", "Smileys & Emotion"), record("👋", "People & Body")}));
        QCOMPARE(describe(loadSystemGroups(resources, measurer, Tone::dark)),
                 QStringList{"Smileys & People: 😀 👋🏿"});
    }

    void anyDecodingFaultFailsTheWholeLoad_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("fault");
        const auto flag = [](const char* emoji, const char* aliases, const char* tags) {
            return QByteArray(R"([{"emoji": )") + emoji +
                   R"(, "description": "d", "category": "Flags", "aliases": )" + aliases +
                   R"(, "tags": )" + tags + "}]";
        };
        QTest::newRow("a record without tags")
            << catalogue({record("🐶", "Animals & Nature"),
                          R"({"emoji": "🐱", "description": "d", "category": "Animals & Nature",
                              "aliases": ["cat"]})"})
            << R"(record 2 has no "tags")";
        QTest::newRow("an emoji that is a number")
            << flag("1", "[]", "[]") << R"("emoji" of record 1 has the wrong type)";
        QTest::newRow("aliases that are a string")
            << flag(R"("🐶")", R"("dog")", "[]") << R"("aliases" of record 1 has the wrong type)";
        QTest::newRow("a tag that is not a string")
            << flag(R"("🐶")", "[]", "[null]") << R"("tags" of record 1 has the wrong type)";
        QTest::newRow("tags that are null")
            << flag(R"("🐶")", "[]", "null") << R"("tags" of record 1 has the wrong type)";
        QTest::newRow("aliases holding a list") << flag(R"("🐶")", R"([["dog"]])", "[]")
                                                << R"("aliases" of record 1 has the wrong type)";
        QTest::newRow("an emoji that is an object")
            << flag("{}", "[]", "[]") << R"("emoji" of record 1 has the wrong type)";
        QTest::newRow("a record that is a string")
            << QByteArray(R"(["🐶"])") << "record 1 is not an object";
        QTest::newRow("an object instead of an array")
            << QByteArray(R"({"emoji": "🐶"})") << "the catalogue is not an array";
        QTest::newRow("a string instead of an array")
            << QByteArray(R"("🐶")") << "the catalogue is not an array";
        QTest::newRow("text that is not JSON") << QByteArray("[{") << "parse error";
    }
    void anyDecodingFaultFailsTheWholeLoad() {
        QFETCH(QByteArray, content);
        QFETCH(QString, fault);
        const QString failure = failureOf(content);
        QVERIFY2(failure.contains(fault), qPrintable(failure));
    }

    void aMissingCatalogueFailsWithItsMessage() {
        QFile::remove(folder.filePath("emojis.json"));
        try {
            loadSystemGroups(resources, measurer, std::nullopt);
            QFAIL("the load succeeded");
        } catch (const MessageError& error) {
            QCOMPARE(error.message(), "No emojis resource found");
        }
    }

    void theWarmUpMeasuresWhatLoadingInAToneMeasures() {
        writeCatalogue(catalogue({record("😀", "Smileys & Emotion"), record("👋", "People & Body"),
                                  record("🐶", "Animals & Nature")}));
        const FakeTextMeasurer warmed;
        QVERIFY(warmUpAndWait(resources, warmed));
        const FakeTextMeasurer loaded;
        loadSystemGroups(resources, loaded, Tone::mediumDark);
        QCOMPARE(warmed.texts(), loaded.texts());
        QCOMPARE(warmed.texts().size(), 4); // with 👍 to compare with
    }

    void aWarmUpWithoutCatalogueEndsQuietly() {
        QFile::remove(folder.filePath("emojis.json"));
        const FakeTextMeasurer measurer;
        QVERIFY(warmUpAndWait(resources, measurer));
        QVERIFY(measurer.texts().isEmpty());
    }

    void everyLoadMakesNewEmojiAndGroupsCompareByTitle() {
        writeCatalogue(catalogue({record("🐶", "Animals & Nature")}));
        const QList<EmojiGroup> first = loadSystemGroups(resources, measurer, std::nullopt);
        const QList<EmojiGroup> second = loadSystemGroups(resources, measurer, std::nullopt);
        QVERIFY(first[0].emojis[0] != second[0].emojis[0]);
        QCOMPARE(first[0].emojis[0].symbol, second[0].emojis[0].symbol);
        EmojiGroup emptied = first[0];
        emptied.emojis.clear();
        QVERIFY(emptied == first[0]);
        QVERIFY(!(EmojiGroup{EmojiGroupType::flags, {}} == emptied));
    }
};

TESSELLE_TEST_MAIN(SystemGroupsTest, QCoreApplication)
#include "tst_systemgroups.moc"

#include "FakeTextMeasurer.h"
#include "Fakes.h"
#include "PresetFixture.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/linux/EspansoReplacementService.h"
#include "platform/linux/EspansoUserTriggers.h"
#include "platform/linux/ResourceFolder.h"
#include "shortcuts/PresetShortcuts.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Identity, time and content: any write shows.
QString fingerprint(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QStringLiteral("%1 %2 ").arg(info.lastModified().toMSecsSinceEpoch()).arg(info.size()) +
           QString::fromLatin1(file.readAll().toHex());
}

QSet<std::pair<QString, QString>> pairsOf(const QList<TextReplacementEntry>& entries) {
    QSet<std::pair<QString, QString>> pairs;
    for (const TextReplacementEntry& entry : entries)
        pairs.insert({entry.shortcut, entry.phrase});
    return pairs;
}

} // namespace

// The shipped lists installed into an espanso match file in a temporary folder.
class PresetEspansoTest : public QObject {
    Q_OBJECT

private slots:
    void installingWritesEveryPresetShortcutAndUninstallingTakesThemOut() {
        const ResourceFolder resources(QStringLiteral(TESSELLE_SOURCE_RESOURCES));
        const FakeTextMeasurer measurer({"👍", "👋", "🧑", "🙋"});
        QTemporaryDir folder;
        const QString matchFile = folder.filePath("espanso/match/tesselle.yml");
        EspansoReplacementService espanso(matchFile, discardedLines());
        FakeDefaultsStore defaults;
        PresetFixture fixture(defaults, resources, measurer, &espanso);
        const PresetConfiguration chosen{Gender::person, Tone::medium, std::nullopt};

        waitForTask(fixture.preset.install(chosen), std::chrono::minutes(2));
        const QList<Shortcut> shortcuts = buildPresetShortcuts(resources, measurer, chosen);
        QSet<std::pair<QString, QString>> expected;
        for (const Shortcut& shortcut : shortcuts)
            expected.insert({shortcut.text, shortcut.phrase});
        QVERIFY(expected.contains(std::pair<QString, QString>("/thumbsup", "👍🏽")));
        // A reader of its own sees the file as espanso does.
        const QList<TextReplacementEntry> written =
            EspansoReplacementService(matchFile, discardedLines()).currentEntries();
        QCOMPARE(written.size(), shortcuts.size());
        QCOMPARE(pairsOf(written), expected);

        waitForTask(fixture.preset.uninstall(), std::chrono::minutes(2));
        QVERIFY(QFile::exists(matchFile));
        QCOMPARE(EspansoReplacementService(matchFile, discardedLines()).currentEntries(),
                 QList<TextReplacementEntry>());
    }

    // espanso would ask at every use which of two matches with one trigger to
    // type: the user's own wins, and the program says where it is defined.
    void presetsTheUsersOwnFilesDefineAreLeftOut() {
        const ResourceFolder resources(QStringLiteral(TESSELLE_SOURCE_RESOURCES));
        const FakeTextMeasurer measurer;
        QTemporaryDir folder;
        const QString matchFolder = folder.filePath("espanso/match");
        const QString base = matchFolder + "/base.yml";
        const QString package = matchFolder + "/packages/hearts/package.yml";
        writeFile(base, "matches:\n  - trigger: /heart\n    replace: \"<3\"\n");
        writeFile(package, "matches:\n  - triggers: [/fire, /flame]\n    replace: hot\n");
        const QStringList before{fingerprint(base), fingerprint(package)};
        RecordingLineOutput output;
        EspansoReplacementService espanso(matchFolder + "/tesselle.yml", output);
        EspansoUserTriggers triggers(matchFolder, output);
        FakeDefaultsStore defaults;
        PresetFixture fixture(defaults, resources, measurer, &espanso, &triggers);

        waitForTask(fixture.preset.install({Gender::person, Tone::yellow, std::nullopt}),
                    std::chrono::minutes(2));

        QSet<QString> listed;
        for (const TextReplacementEntry& entry : espanso.currentEntries())
            listed.insert(entry.shortcut);
        QVERIFY(!listed.contains("/heart"));
        QVERIFY(!listed.contains("/fire"));
        QVERIFY(listed.contains("/dance"));
        QCOMPARE(fixture.preset.userDefined("❤️"),
                 (QList<UserTrigger>{{"/heart", "base.yml"}}));
        QCOMPARE(fixture.preset.userDefined("🔥"),
                 (QList<UserTrigger>{{"/fire", "packages/hearts/package.yml"}}));
        QCOMPARE((QStringList{fingerprint(base), fingerprint(package)}), before);
        QVERIFY(fixture.preset.installedConfiguration());
    }

    // espanso offered two /dance at every use when the user defined it after
    // the installation.
    void aTriggerTheUserDefinesLaterTakesThePresetShortcutsPlace_data() {
        QTest::addColumn<bool>("atRepair");
        QTest::newRow("noticed at launch") << false;
        QTest::newRow("noticed at the repair after a change") << true;
    }
    void aTriggerTheUserDefinesLaterTakesThePresetShortcutsPlace() {
        QFETCH(bool, atRepair);
        const ResourceFolder resources(QStringLiteral(TESSELLE_SOURCE_RESOURCES));
        const FakeTextMeasurer measurer;
        QTemporaryDir folder;
        const QString matchFolder = folder.filePath("espanso/match");
        const QString base = matchFolder + "/base.yml";
        EspansoReplacementService espanso(matchFolder + "/tesselle.yml", discardedLines());
        RecordingLineOutput triggersOutput;
        EspansoUserTriggers triggers(matchFolder, triggersOutput);
        FakeDefaultsStore defaults;
        PresetFixture fixture(defaults, resources, measurer, &espanso, &triggers,
                              atRepair ? std::chrono::milliseconds(10) : std::chrono::hours(1));
        waitForTask(fixture.preset.install({Gender::person, Tone::yellow, std::nullopt}),
                    std::chrono::minutes(2));
        const Shortcut mine{"/mine", "🔥", true};
        const auto addMine = [&] { waitForTask(fixture.registry.registerShortcuts({mine}, true)); };
        if (!atRepair)
            addMine();
        writeFile(base, "matches:\n  - trigger: /dance\n    replace: mine\n"
                        "  - trigger: /mine\n    replace: also mine\n");
        const QString written = fingerprint(base);

        if (atRepair) {
            addMine();
            QTRY_VERIFY_WITH_TIMEOUT(!fixture.preset.userDefined("🕺").isEmpty(), 60000);
        } else {
            waitForTask(fixture.preset.findUserDefined(), std::chrono::minutes(1));
        }

        QSet<QString> listed;
        for (const TextReplacementEntry& entry : espanso.currentEntries())
            listed.insert(entry.shortcut);
        QVERIFY(!listed.contains("/dance"));
        QVERIFY(listed.contains("/wave"));
        QCOMPARE(fixture.registry.shortcuts("🕺"), QList<Shortcut>());
        QCOMPARE(fixture.preset.userDefined("🕺"), (QList<UserTrigger>{{"/dance", "base.yml"}}));
        // What the user gave an emoji in the program stays theirs too.
        QVERIFY(listed.contains("/mine"));
        QVERIFY(fixture.registry.shortcuts("🔥").contains(mine));
        QVERIFY(fixture.output.lines().contains(
            "Took /dance out of Tesselle's list: your own espanso files define them"));
        QCOMPARE(fingerprint(base), written);
    }
};

TESSELLE_TEST_MAIN(PresetEspansoTest, QCoreApplication)
#include "tst_presetespanso.moc"

#include "FakeTextMeasurer.h"
#include "Fakes.h"
#include "PresetFixture.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/linux/EspansoReplacementService.h"
#include "platform/linux/ResourceFolder.h"
#include "shortcuts/PresetShortcuts.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

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
};

TESSELLE_TEST_MAIN(PresetEspansoTest, QCoreApplication)
#include "tst_presetespanso.moc"

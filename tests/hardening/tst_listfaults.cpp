#include "Fakes.h"
#include "InstantClock.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/MessageError.h"
#include "platform/linux/EspansoReplacementService.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/ShortcutStack.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

using Pairs = QSet<std::pair<QString, QString>>;

Shortcut preset(const QString& text, const QString& phrase) {
    return {text, phrase, false};
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// The registry on the real espanso backend, in a temporary folder, repairing
// 10 ms after each change, with cool-downs that pass at once.
struct Fixture {
    static constexpr std::chrono::milliseconds repairDelay{10};

    Fixture() {
        QObject::connect(&registry, &ShortcutRegistry::scheduledRepairFinished, &context,
                         [this] { ++repairs; });
    }

    QTemporaryDir folder;
    QString matchFolder = folder.filePath("espanso/match");
    QString matchFile = matchFolder + "/tesselle.yml";
    EspansoReplacementService espanso{matchFile, discardedLines()};
    FakeDefaultsStore defaults;
    RecordingLineOutput output;
    InstantClock clock;
    ShortcutStack shortcuts{defaults, espanso, clock, output, repairDelay};
    ShortcutRegistry& registry = shortcuts.registry();
    // Counts, on this thread, the repairs that changes scheduled.
    QObject context;
    int repairs = 0;

    Pairs filePairs() const {
        Pairs pairs;
        for (const TextReplacementEntry& entry :
             EspansoReplacementService(matchFile, discardedLines()).currentEntries())
            pairs.insert({entry.shortcut, entry.phrase});
        return pairs;
    }
    QByteArray storedRegistry() const {
        return defaults.value(SettingsKeys::shortcuts).toByteArray();
    }
    // Registered, and the repair that follows has run and found nothing to do.
    void installTwo() {
        waitForTask(
            registry.registerShortcuts({preset("/dance", "💃"), preset("/fire", "🔥")}, false));
        QVERIFY(waitUntil([this] { return repairs == 1; }));
        QCOMPARE(output.lines(), QStringList());
    }
};

const Pairs installed{{"/dance", "💃"}, {"/fire", "🔥"}};

} // namespace

class ListFaultsTest : public QObject {
    Q_OBJECT

public:
    enum class FolderFault { replacedByFile, readOnly };
    Q_ENUM(FolderFault)
    enum class FileFault { entryEdited, damaged, deleted };
    Q_ENUM(FileFault)
    enum class PlaceFault {
        folderReplacedByFile,
        folderReadOnly,
        listInAFolder,
        listLinked,
        listDamaged,
        none
    };
    Q_ENUM(PlaceFault)

private slots:
    void aBrokenMatchFolderFailsTheChangeWithItsMessageAndChangesNothing_data() {
        QTest::addColumn<FolderFault>("fault");
        QTest::addColumn<bool>("adding");
        QTest::addColumn<QString>("message");
        const QString unread = "Could not read the espanso match file";
        const QString unwritten = "Could not write the espanso match file";
        QTest::newRow("adding with the match folder replaced by a file")
            << FolderFault::replacedByFile << true << unread;
        QTest::newRow("removing with the match folder replaced by a file")
            << FolderFault::replacedByFile << false << unread;
        QTest::newRow("adding with the match folder read-only")
            << FolderFault::readOnly << true << unwritten;
        QTest::newRow("removing with the match folder read-only")
            << FolderFault::readOnly << false << unwritten;
    }
    void aBrokenMatchFolderFailsTheChangeWithItsMessageAndChangesNothing() {
        QFETCH(FolderFault, fault);
        QFETCH(bool, adding);
        QFETCH(QString, message);
        if (fault == FolderFault::readOnly && ::geteuid() == 0)
            QSKIP("Running as root, which writes into read-only folders; the folder replaced "
                  "by a file covers the failure.");
        Fixture f;
        f.installTwo();
        const ShortcutRegistry::Map mapBefore = f.registry.map();
        const QByteArray storedBefore = f.storedRegistry();

        if (fault == FolderFault::replacedByFile) {
            QVERIFY(QDir(f.matchFolder).removeRecursively());
            QVERIFY(writeFile(f.matchFolder, "not a folder"));
        } else {
            QVERIFY(QFile::setPermissions(f.matchFolder, QFile::ReadOwner | QFile::ExeOwner));
        }
        const QList<Shortcut> wave{preset("/wave", "👋")};
        const QList<Shortcut> fire{preset("/fire", "🔥")};
        QString failure;
        try {
            waitForTask(adding ? f.registry.registerShortcuts(wave, false)
                               : f.registry.unregisterShortcuts(fire));
        } catch (const MessageError& error) {
            failure = error.message();
        }
        QVERIFY2(failure.startsWith(message + ' ' + f.matchFile), qPrintable(failure));
        QCOMPARE(f.registry.map(), mapBefore);
        QCOMPARE(f.storedRegistry(), storedBefore);

        // Once the folder is back, the next change puts everything in place.
        if (fault == FolderFault::replacedByFile)
            QVERIFY(QFile::remove(f.matchFolder));
        else
            QVERIFY(QFile::setPermissions(f.matchFolder,
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        waitForTask(f.registry.registerShortcuts(wave, false));
        Pairs all = installed;
        all.insert({"/wave", "👋"});
        QTRY_COMPARE_WITH_TIMEOUT(f.filePairs(), all, 10000);
    }

    // A folder in the list's place used to read as an empty list, and the
    // quit said nothing while espanso still loaded the list inside it.
    void aQuitThatCannotEmptyTheListSaysWhy_data() {
        QTest::addColumn<PlaceFault>("fault");
        QTest::addColumn<QString>("message"); // "@" stands for the match file; empty: success
        const QString left = "Could not take the shortcuts out of the list, ";
        QTest::newRow("the match folder replaced by a file")
            << PlaceFault::folderReplacedByFile
            << left + "an unknown number are left in it: Could not read the espanso match file @: "
                      "Not a directory";
        QTest::newRow("the match folder read-only")
            << PlaceFault::folderReadOnly
            << left + "2 are left in it: Could not write the espanso match file @: Permission "
                      "denied";
        QTest::newRow("the list moved into a folder in its place")
            << PlaceFault::listInAFolder
            << left + "an unknown number are left in it: a folder took the place of the espanso "
                      "match file @";
        QTest::newRow("the list moved away and linked in its place")
            << PlaceFault::listLinked
            << left + "an unknown number are left in it: a symbolic link took the place of the "
                      "espanso match file @";
        QTest::newRow("the list damaged by hand")
            << PlaceFault::listDamaged
            << left + "an unknown number are left in it: a damaged file took the place of the "
                      "espanso match file @";
        QTest::newRow("nothing in the way") << PlaceFault::none << "";
    }
    void aQuitThatCannotEmptyTheListSaysWhy() {
        QFETCH(PlaceFault, fault);
        QFETCH(QString, message);
        if (fault == PlaceFault::folderReadOnly && ::geteuid() == 0)
            QSKIP("Running as root, which writes into read-only folders.");
        Fixture f;
        f.installTwo();
        const QString aside = f.folder.filePath("aside.yml");
        switch (fault) {
        case PlaceFault::folderReplacedByFile:
            QVERIFY(QDir(f.matchFolder).removeRecursively());
            QVERIFY(writeFile(f.matchFolder, "not a folder"));
            break;
        case PlaceFault::folderReadOnly:
            QVERIFY(QFile::setPermissions(f.matchFolder, QFile::ReadOwner | QFile::ExeOwner));
            break;
        case PlaceFault::listInAFolder:
            QVERIFY(QFile::rename(f.matchFile, aside));
            QVERIFY(QDir().mkdir(f.matchFile));
            QVERIFY(QFile::rename(aside, f.matchFile + "/tesselle.yml"));
            break;
        case PlaceFault::listLinked:
            QVERIFY(QFile::rename(f.matchFile, aside));
            QVERIFY(QFile::link(aside, f.matchFile));
            break;
        case PlaceFault::listDamaged:
            QVERIFY(writeFile(f.matchFile, "# Generated by Tesselle\nmatches: [\n"));
            break;
        case PlaceFault::none:
            break;
        }
        QString failure;
        try {
            waitForTask(f.registry.removeAllShortcuts());
        } catch (const MessageError& error) {
            failure = error.message();
        }
        QFile::setPermissions(f.matchFolder,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(failure, message.replace('@', f.matchFile));
    }

    void aFileChangedWhileRunningIsRepairedAfterTheNextChange_data() {
        QTest::addColumn<FileFault>("fault");
        QTest::newRow("an entry changed by hand") << FileFault::entryEdited;
        QTest::newRow("the file damaged by hand") << FileFault::damaged;
        QTest::newRow("the file deleted") << FileFault::deleted;
    }
    void aFileChangedWhileRunningIsRepairedAfterTheNextChange() {
        QFETCH(FileFault, fault);
        Fixture f;
        f.installTwo();
        // An indentation slip, as a hand edit makes it.
        const QByteArray damaged =
            "matches:\n  - trigger: \"/dance\"\n    replace: \"X\"\n   word: true\n";
        switch (fault) {
        case FileFault::entryEdited:
            // In a layout of the user's, not the program's own.
            QVERIFY(writeFile(f.matchFile, "matches:\n  - trigger: /dance\n    replace: X\n"
                                           "  - trigger: '/fire'\n    replace: 🔥\n"));
            break;
        case FileFault::damaged:
            QVERIFY(writeFile(f.matchFile, damaged));
            break;
        case FileFault::deleted:
            QVERIFY(QFile::remove(f.matchFile));
            break;
        }
        // Nothing is repaired without a change. No repair is pending; one that
        // came of anything else would come within a few repair delays.
        QTest::qWait(int(10 * Fixture::repairDelay.count()));
        QVERIFY(f.filePairs() != installed);
        QCOMPARE(f.repairs, 1);

        waitForTask(f.registry.registerShortcuts({preset("/wave", "👋")}, false));
        QVERIFY(waitUntil([&] { return f.repairs == 2; }));
        Pairs all = installed;
        all.insert({"/wave", "👋"});
        QCOMPARE(f.filePairs(), all);
        // The repair put it right, not the change.
        QVERIFY2(f.output.lines().contains("Trying to fix replacements"),
                 qPrintable(f.output.lines().join('\n')));
        QCOMPARE(f.registry.allShortcuts().size(), 3);

        // The damaged text stays beside the file, under a name espanso does not load.
        const QStringList kept =
            QDir(f.matchFolder).entryList({"tesselle.yml.broken-*"}, QDir::Files);
        if (fault == FileFault::damaged) {
            QCOMPARE(kept.size(), 1);
            QFile keptFile(f.matchFolder + '/' + kept.first());
            QVERIFY(keptFile.open(QIODevice::ReadOnly));
            QCOMPARE(keptFile.readAll(), damaged);
        } else {
            QCOMPARE(kept, QStringList());
        }
    }
};

TESSELLE_TEST_MAIN(ListFaultsTest, QCoreApplication)
#include "tst_listfaults.moc"

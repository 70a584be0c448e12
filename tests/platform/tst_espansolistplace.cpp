#include "FakeEspanso.h"
#include "Fakes.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/linux/EspansoMatchFormat.h"
#include "platform/linux/EspansoReplacementService.h"

#include <QFileInfo>
#include <QTest>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

bool add(TextReplacementService& list, const QList<TextReplacementEntry>& entries) {
    bool ok = false;
    list.addEntries(entries, {}, [&ok](std::optional<TextReplacementError> error) { ok = !error; });
    return ok;
}

const QList<TextReplacementEntry> dance{{"/dance", "💃"}};

} // namespace

// Where the program's espanso list goes: where espanso says its configuration
// is, with a stand-in espanso on PATH.
class EspansoListPlaceTest : public QObject {
    Q_OBJECT

    // In the home folder: for root, only folders there are its own.
    QTemporaryDir m_root{QDir::homePath() + "/place-XXXXXX"};
    QString folder(const QString& name) const { return m_root.filePath(name); }
    QString defaultFolder() const { return EspansoConfigFolder::defaultPath(); }

    // A list that asks the stand-in within the bound, remembering its folder in `defaults`.
    static std::unique_ptr<EspansoReplacementService>
    listAskingEspanso(DefaultsStore& defaults, LineOutput& output,
                      std::chrono::milliseconds bound = std::chrono::seconds(3)) {
        return std::make_unique<EspansoReplacementService>(
            [bound] { return EspansoConfigFolder::locate(bound); }, defaults, output);
    }

private slots:
    void init() { QDir(defaultFolder()).removeRecursively(); }

    void theFolderEspansoNamesIsUsed() {
        FakeEspanso espanso;
        espanso.set("FAKE_ESPANSO_CONFIG", folder("elsewhere").toUtf8());
        FakeDefaultsStore defaults;
        RecordingLineOutput output;
        auto list = listAskingEspanso(defaults, output);

        waitForTask(list->open());
        QVERIFY(add(*list, dance));

        QCOMPARE(list->matchFile(), folder("elsewhere/match/tesselle.yml"));
        QCOMPARE(EspansoReplacementService(list->matchFile(), output).currentEntries(), dance);
        QVERIFY(!QFile::exists(defaultFolder()));
        QCOMPARE(output.lines(), QStringList());
    }

    void anEspansoThatDoesNotAnswerLeavesTheListInTheDefaultFolderAndIsSaid_data() {
        QTest::addColumn<QByteArray>("variable");
        QTest::newRow("espanso hangs past the bound") << QByteArray("FAKE_ESPANSO_HANG");
        QTest::newRow("espanso fails") << QByteArray("FAKE_ESPANSO_FAIL");
        QTest::newRow("espanso prints no folder") << QByteArray("FAKE_ESPANSO_GARBLE");
    }
    void anEspansoThatDoesNotAnswerLeavesTheListInTheDefaultFolderAndIsSaid() {
        QFETCH(QByteArray, variable);
        FakeEspanso espanso;
        espanso.set("FAKE_ESPANSO_CONFIG", folder("elsewhere").toUtf8());
        espanso.set(variable.constData(), "path");
        FakeDefaultsStore defaults;
        RecordingLineOutput output;
        auto list = listAskingEspanso(defaults, output, std::chrono::milliseconds(300));

        waitForTask(list->open());
        QVERIFY(add(*list, dance));

        QCOMPARE(list->matchFile(), defaultFolder() + "/match/tesselle.yml");
        QCOMPARE(output.lines().size(), 1);
        QVERIFY2(output.lines().first().endsWith(": using " + defaultFolder()),
                 qPrintable(output.lines().first()));
    }

    // Nothing of the program's may stay behind in a folder espanso no longer
    // reads, and nothing of the user's there may change.
    void aMovedFolderLeavesNoListOfOursInTheOldOne_data() {
        QTest::addColumn<bool>("oursInOldFolder");
        QTest::newRow("the program's own list is taken out") << true;
        QTest::newRow("a tesselle.yml the program did not write stays") << false;
    }
    void aMovedFolderLeavesNoListOfOursInTheOldOne() {
        QFETCH(bool, oursInOldFolder);
        FakeEspanso espanso;
        FakeDefaultsStore defaults;
        RecordingLineOutput output;
        const QString oldList = folder("old/match/tesselle.yml");
        const QString userFile = folder("old/match/base.yml");
        writeFile(userFile, "matches:\n  - trigger: /heart\n    replace: x\n");
        espanso.set("FAKE_ESPANSO_CONFIG", folder("old").toUtf8());
        {
            auto first = listAskingEspanso(defaults, output);
            waitForTask(first->open());
            QVERIFY(add(*first, dance));
        }
        if (!oursInOldFolder)
            writeFile(oldList, "matches:\n  - trigger: /mine\n    replace: y\n");
        const QByteArray oldContent = contentOf(oldList);
        const QByteArray userContent = contentOf(userFile);

        espanso.set("FAKE_ESPANSO_CONFIG", folder("new").toUtf8());
        auto second = listAskingEspanso(defaults, output);
        waitForTask(second->open());

        QCOMPARE(QFile::exists(oldList), !oursInOldFolder);
        if (!oursInOldFolder)
            QCOMPARE(contentOf(oldList), oldContent);
        QCOMPARE(contentOf(userFile), userContent);
        QCOMPARE(second->matchFile(), folder("new/match/tesselle.yml"));
        QCOMPARE(output.lines().size(), oursInOldFolder ? 1 : 0);
    }

    // A relative folder used to lead into the working folder, where a file in
    // the program's layout was deleted.
    void aRememberedFolderThatMayNotBeUsedStandsForTheDefaultOne_data() {
        QTest::addColumn<QString>("remembered"); // "@" stands for the test's folder
        QTest::addColumn<QString>("why");
        QTest::newRow("a relative folder") << "earlier"
                                           << "which is not one absolute folder";
        QTest::newRow("the root folder") << "/"
                                         << "which is the root folder";
        QTest::newRow("a file") << "@/earlier/match/tesselle.yml"
                                << "which is not a folder";
    }
    void aRememberedFolderThatMayNotBeUsedStandsForTheDefaultOne() {
        QFETCH(QString, remembered);
        QFETCH(QString, why);
        remembered.replace('@', m_root.path());
        const QString previousFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_root.path()));
        FakeEspanso espanso;
        espanso.set("FAKE_ESPANSO_CONFIG", folder("new").toUtf8());
        RecordingLineOutput output;
        const QString ours = folder("earlier/match/tesselle.yml");
        const QString defaultList = defaultFolder() + "/match/tesselle.yml";
        for (const QString& path : {ours, defaultList}) {
            EspansoReplacementService earlier(path, output);
            QVERIFY(add(earlier, dance));
        }
        FakeDefaultsStore defaults;
        StoredSetting<QString>(defaults, "espansoFolder", {}).write(remembered);

        auto list = listAskingEspanso(defaults, output);
        waitForTask(list->open());
        QDir::setCurrent(previousFolder);

        QVERIFY(QFile::exists(ours));
        QVERIFY(!QFile::exists(defaultList));
        QCOMPARE(output.lines(),
                 (QStringList{"Ignored the espanso folder of an earlier run, \"" + remembered +
                                  "\", " + why + ": using " + defaultFolder(),
                              "Took Tesselle's list out of " + defaultList +
                                  ", as espanso's configuration is now in " + folder("new")}));
    }
};

TESSELLE_TEST_MAIN(EspansoListPlaceTest, QCoreApplication)
#include "tst_espansolistplace.moc"

#include "Fakes.h"
#include "RecordingReplacementService.h"
#include "TestEnvironment.h"
#include "async/BackgroundTasks.h"
#include "async/SystemClock.h"
#include "platform/linux/QSettingsDefaultsStore.h"
#include "settings/Preferences.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/PresetConfiguration.h"
#include "shortcuts/ShortcutRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

namespace {

QString organizationFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/tesselle-faults";
}

// What every reader of the program's settings makes of the domain.
struct Readings {
    bool useSystemColor = false;
    bool autoPaste = false;
    std::optional<PresetConfiguration> configuration;
    QStringList favorites;
    QStringList recent;
    QList<Shortcut> shortcuts;
};

Readings readAll(DefaultsStore& store) {
    FakeLoginItemService loginItems;
    const Preferences preferences(store, loginItems);
    RecordingReplacementService service;
    RecordingLineOutput output;
    TextReplacementClient client(service, output);
    SystemClock clock;
    BackgroundTasks background;
    const ShortcutRegistry registry(store, client, clock, background, output);
    return {preferences.useSystemColor(),
            preferences.autoPaste(),
            StoredSetting<std::optional<PresetConfiguration>>(store, SettingsKeys::configuration,
                                                              std::nullopt)
                .read(),
            StoredSetting<QStringList>(store, SettingsKeys::favorites, {}).read(),
            StoredSetting<QStringList>(store, SettingsKeys::recent, {}).read(),
            registry.allShortcuts()};
}

void verifyDefaults(const Readings& readings) {
    QCOMPARE(readings.useSystemColor, false);
    QCOMPARE(readings.autoPaste, false);
    QVERIFY(!readings.configuration);
    QCOMPARE(readings.favorites, QStringList());
    QCOMPARE(readings.recent, QStringList());
    QVERIFY(readings.shortcuts.isEmpty());
}

} // namespace

class SettingsFaultsTest : public QObject {
    Q_OBJECT

    QString newDomain() { return QStringLiteral("domain%1").arg(++m_domains); }
    int m_domains = 0;

private slots:
    void cleanup() {
        if (QFileInfo(organizationFolder()).isDir())
            QDir(organizationFolder()).removeRecursively();
        else
            QFile::remove(organizationFolder());
    }

    void aSettingsFileHoldingGarbageReadsAsTheDefaults_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("bytes that are no text at all")
            << QByteArray("\x00\xff\xfe[\x01\x80General]]\n=\n\x00", 15);
        QTest::newRow("values that are plain text, not data")
            << QByteArray("[General]\nautoPaste=true\nconfiguration={\"gender\":\"👩\",\"tone\":1}\n"
                          "favorites=😀\nshortcuts={}\n");
        QTest::newRow("data that is not JSON")
            << QByteArray("[General]\nautoPaste=@ByteArray(tr)\nconfiguration=@ByteArray({)\n"
                          "favorites=@ByteArray([\"\xff)\nrecent=@ByteArray(\\0)\n"
                          "shortcuts=@ByteArray({\"\":[)\n");
        QTest::newRow("JSON of the wrong shape")
            << QByteArray("[General]\nuseSystemColor=@ByteArray(1)\nconfiguration=@ByteArray("
                          "{\"gender\":\"x\",\"tone\":9})\nfavorites=@ByteArray({})\n"
                          "recent=@ByteArray([1])\nshortcuts=@ByteArray({\"💃\":[{\"text\":1}]})\n");
        QTest::newRow("serialized values that do not decode")
            << QByteArray("[General]\nautoPaste=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5junk)\n"
                          "favorites=@Variant(\\0\\0\\0\\f\\xff\\xff\\xff\\xff)\n"
                          "shortcuts=@Variant(\\0\\0\\0\\x2)\nrecent=@Variant(\n");
        QTest::newRow("a cut-off file")
            << QByteArray("[General]\nshortcuts=@ByteArray({\"💃\":[{\"te");
    }
    void aSettingsFileHoldingGarbageReadsAsTheDefaults() {
        QFETCH(QByteArray, text);
        const QString domain = newDomain();
        QVERIFY(QDir().mkpath(organizationFolder()));
        QFile file(organizationFolder() + '/' + domain + ".conf");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();

        QSettingsDefaultsStore store("tesselle-faults", domain);
        verifyDefaults(readAll(store));
    }

    void anUnusableSettingsFolderReadsAsTheDefaultsAndKeepsWhatIsThere_data() {
        QTest::addColumn<bool>("folderIsFile");
        QTest::newRow("the settings folder replaced by a file") << true;
        QTest::newRow("the settings file replaced by a folder") << false;
    }
    void anUnusableSettingsFolderReadsAsTheDefaultsAndKeepsWhatIsThere() {
        QFETCH(bool, folderIsFile);
        const QString domain = newDomain();
        const QString blocker =
            folderIsFile ? organizationFolder() : organizationFolder() + '/' + domain + ".conf";
        if (folderIsFile) {
            QFile file(blocker);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("the user's own file");
        } else {
            QVERIFY(QDir().mkpath(blocker));
        }

        QSettingsDefaultsStore store("tesselle-faults", domain);
        verifyDefaults(readAll(store));
        // Writes go nowhere, without failing the program.
        StoredSetting<QStringList>(store, SettingsKeys::favorites, {}).write({"😀"});
        store.remove(SettingsKeys::recent);
        store.clear();

        if (folderIsFile) {
            QFile file(blocker);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("the user's own file"));
        } else {
            QVERIFY(QFileInfo(blocker).isDir());
        }
    }
};

TESSELLE_TEST_MAIN(SettingsFaultsTest, QCoreApplication)
#include "tst_settingsfaults.moc"

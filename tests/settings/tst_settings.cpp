#include "Fakes.h"
#include "TestEnvironment.h"
#include "platform/linux/QSettingsDefaultsStore.h"
#include "settings/Preferences.h"
#include "settings/SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

class SettingsTest : public QObject {
    Q_OBJECT

    // Each case gets its own settings file, written by hand before anything in
    // this process read it, so reads see the file as a fresh process would.
    QString newDomain() { return QStringLiteral("domain%1").arg(++m_domains); }

    static QString folder() {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               "/tesselle-test";
    }
    QString filePath(const QString& domain) { return folder() + '/' + domain + ".conf"; }

    void writeFile(const QString& domain, const QByteArray& text) {
        QDir().mkpath(folder());
        QFile file(filePath(domain));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QByteArray readFile(const QString& domain) {
        QFile file(filePath(domain));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    int m_domains = 0;

private slots:
    void storedBooleanReadsOnlyDataHoldingJson_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("expected");
        QTest::newRow("nothing stored reads as the default") << QByteArray() << false;
        QTest::newRow("data holding JSON true reads true")
            << QByteArray("[General]\nautoPaste=@ByteArray(true)\n") << true;
        QTest::newRow("a plain boolean that is not data reads as the default")
            << QByteArray("[General]\nautoPaste=true\n") << false;
        QTest::newRow("data that is not JSON reads as the default")
            << QByteArray("[General]\nautoPaste=@ByteArray(tru)\n") << false;
        QTest::newRow("JSON of another type reads as the default")
            << QByteArray("[General]\nautoPaste=@ByteArray(1)\n") << false;
        QTest::newRow("JSON null reads as the default")
            << QByteArray("[General]\nautoPaste=@ByteArray(null)\n") << false;
    }
    void storedBooleanReadsOnlyDataHoldingJson() {
        QFETCH(QByteArray, file);
        QFETCH(bool, expected);
        const QString domain = newDomain();
        if (!file.isEmpty())
            writeFile(domain, file);
        QSettingsDefaultsStore store("tesselle-test", domain);
        QCOMPARE(StoredSetting<bool>(store, SettingsKeys::autoPaste, false).read(), expected);
    }

    void valuesAreStoredAsDataHoldingTheirJson_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("an empty list is an empty array") << QStringList() << QByteArray("[]");
        QTest::newRow("emoji keep their code points")
            << QStringList{"👍🏽", "🏳️‍🌈"}
            << QByteArray("[\"👍🏽\",\"🏳️‍🌈\"]");
    }
    void valuesAreStoredAsDataHoldingTheirJson() {
        QFETCH(QStringList, list);
        QFETCH(QByteArray, json);
        FakeDefaultsStore store;
        StoredSetting<QStringList> setting(store, SettingsKeys::favorites, {"default"});
        setting.write(list);
        const QVariant stored = store.value(SettingsKeys::favorites);
        QCOMPARE(stored.typeId(), QMetaType::QByteArray);
        QCOMPARE(stored.toByteArray(), json);
        QCOMPARE(setting.read(), list);
    }

    void anAbsentOptionalIsStoredAsJsonNull() {
        FakeDefaultsStore store;
        StoredSetting<std::optional<QStringList>> setting(store, SettingsKeys::shortcuts,
                                                          QStringList{"default"});
        setting.write(std::nullopt);
        QCOMPARE(store.value(SettingsKeys::shortcuts).toByteArray(), QByteArray("null"));
        QCOMPARE(setting.read(), std::nullopt);
    }

    void bothSwitchesAreSavedAfterOneTurnOfTheEventLoop() {
        const QString domain = newDomain();
        writeFile(domain, "[General]\nautoPaste=true\n");
        QSettingsDefaultsStore store("tesselle-test", domain);
        FakeLoginItemService loginItems;
        Preferences preferences(store, loginItems);
        QVERIFY(!preferences.autoPaste());
        QVERIFY2(readFile(domain).contains("autoPaste=true"), "saved synchronously");
        QCoreApplication::processEvents();
        const QByteArray file = readFile(domain);
        QVERIFY2(file.contains("autoPaste=@ByteArray(false)"), file.constData());
        QVERIFY2(file.contains("useSystemColor=@ByteArray(false)"), file.constData());
    }

    void anAssignmentIsSavedOnTheEventLoopAndPublished() {
        FakeDefaultsStore store;
        FakeLoginItemService loginItems;
        Preferences preferences(store, loginItems);
        QCoreApplication::processEvents();
        QSignalSpy changes(&preferences, &Preferences::autoPasteChanged);
        preferences.setAutoPaste(true);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(store.value(SettingsKeys::autoPaste).toByteArray(), QByteArray("false"));
        QCoreApplication::processEvents();
        QCOMPARE(store.value(SettingsKeys::autoPaste).toByteArray(), QByteArray("true"));
        Preferences reloaded(store, loginItems);
        QVERIFY(reloaded.autoPaste());
    }

    void resetLeavesNoKeyOfTheProgramAndTurnsLaunchAtLoginOff() {
        const QString domain = newDomain();
        QSettingsDefaultsStore store("tesselle-test", domain);
        FakeLoginItemService loginItems;
        loginItems.enabled = true;
        Preferences preferences(store, loginItems);
        preferences.setUseSystemColor(true);
        preferences.setAutoPaste(true);
        QCoreApplication::processEvents();
        for (const char* key : {SettingsKeys::isWelcomeWasPresented, SettingsKeys::configuration,
                                SettingsKeys::favorites, SettingsKeys::recent,
                                SettingsKeys::shortcuts, "someServiceKey"})
            store.setValue(key, QByteArray("true"));

        QSignalSpy colorChanges(&preferences, &Preferences::useSystemColorChanged);
        preferences.reset();
        QVERIFY(!loginItems.enabled);
        QVERIFY(!preferences.useSystemColor());
        QVERIFY(!preferences.autoPaste());
        QCOMPARE(colorChanges.count(), 1);
        QCoreApplication::processEvents();

        QSettings settings("tesselle-test", domain);
        QStringList keys = settings.allKeys();
        keys.sort();
        QCOMPARE(keys, (QStringList{"autoPaste", "useSystemColor"}));
        QCOMPARE(store.value("autoPaste").toByteArray(), QByteArray("false"));
    }
};

TESSELLE_TEST_MAIN(SettingsTest, QCoreApplication)
#include "tst_settings.moc"

#include "FakeTextMeasurer.h"
#include "PresetFixture.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/MessageError.h"
#include "platform/linux/ResourceFolder.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/PresetShortcuts.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Configuration = std::optional<PresetConfiguration>;
Q_DECLARE_METATYPE(PresetConfiguration)
Q_DECLARE_METATYPE(Configuration)

namespace QTest {
template <> char* toString(const Shortcut& shortcut) {
    return qstrdup(qPrintable(shortcut.text + " -> " + shortcut.phrase +
                              (shortcut.isCustom ? " (custom)" : "")));
}
} // namespace QTest

namespace {

const QString mwg = QStringLiteral("👨‍👩‍👧");

Shortcut entry(const QString& text, const QString& phrase) {
    return {text, phrase, false};
}

PresetConfiguration configuration(Gender gender, Tone tone,
                                  std::optional<Family> family = std::nullopt) {
    return {gender, tone, family};
}

} // namespace

class PresetTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    ResourceFolder resources{folder.path()};
    std::unique_ptr<FakeTextMeasurer> measurer;
    std::unique_ptr<FakeDefaultsStore> defaults;
    std::unique_ptr<PresetFixture> fixture;

    void write(const QString& name, const QByteArray& content) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    Preset& preset() { return fixture->preset; }

    QString failureOf(QCoro::Task<> task) {
        try {
            waitForTask(std::move(task));
        } catch (const MessageError& error) {
            return error.message();
        }
        return QStringLiteral("no failure");
    }

    static QList<Shortcut> sortedByText(QList<Shortcut> shortcuts) {
        std::sort(shortcuts.begin(), shortcuts.end(),
                  [](const Shortcut& a, const Shortcut& b) { return a.text < b.text; });
        return shortcuts;
    }

    // The list as shortcuts that are not custom, but for /mine.
    QList<Shortcut> listed() const {
        QList<Shortcut> shortcuts;
        for (const TextReplacementEntry& entry : fixture->service.currentEntries())
            shortcuts.append({entry.shortcut, entry.phrase, entry.shortcut == "/mine"});
        return sortedByText(shortcuts);
    }

    void verifyNothingChanged() {
        QCOMPARE(preset().installedConfiguration(), std::nullopt);
        QVERIFY(!defaults->value(SettingsKeys::configuration).isValid());
        // A failure that was said ends the change: the next start does not retry it.
        QVERIFY(!defaults->value(SettingsKeys::presetChoice).isValid());
        QCOMPARE(fixture->registry.allShortcuts(), QList<Shortcut>());
    }

private slots:
    void init() {
        write("common.csv", "👍,thumbsup\n🇩🇪,de\n");
        write("person.csv", "🙋,raisehand\n");
        write("female.csv", "🙋‍♀️,raisehand\n");
        write("male.csv", "🙋‍♂️,raisehand\n");
        write("family.csv", "👪,family\n👪,kids\n");
        measurer = std::make_unique<FakeTextMeasurer>(
            QStringList{"👍", "🙋", "🙋‍♀️", "🙋‍♂️"});
        defaults = std::make_unique<FakeDefaultsStore>();
        fixture = std::make_unique<PresetFixture>(*defaults, resources, *measurer);
    }
    void cleanup() {
        fixture.reset();
        defaults.reset();
        measurer.reset();
    }

    void theListIsCommonThenAppearanceThenFamily_data() {
        QTest::addColumn<PresetConfiguration>("chosen");
        QTest::addColumn<QList<Shortcut>>("expected");
        QTest::newRow("person in yellow is common and person untoned")
            << configuration(Gender::person, Tone::yellow)
            << QList<Shortcut>{entry("/thumbsup", "👍"), entry("/de", "🇩🇪"),
                               entry("/raisehand", "🙋")};
        QTest::newRow("dark tones thumbs up and leaves the flag")
            << configuration(Gender::male, Tone::dark)
            << QList<Shortcut>{entry("/thumbsup", "👍🏿"), entry("/de", "🇩🇪"),
                               entry("/raisehand", "🙋🏿‍♂️")};
        QTest::newRow("a family gives every family name its emoji")
            << configuration(Gender::female, Tone::light, Family::mwg)
            << QList<Shortcut>{entry("/thumbsup", "👍🏻"), entry("/de", "🇩🇪"),
                               entry("/raisehand", "🙋🏻‍♀️"), entry("/family", mwg),
                               entry("/kids", mwg)};
    }
    void theListIsCommonThenAppearanceThenFamily() {
        QFETCH(PresetConfiguration, chosen);
        QFETCH(QList<Shortcut>, expected);
        QCOMPARE(buildPresetShortcuts(resources, *measurer, chosen), expected);
    }

    void withoutFamilyTheFamilyListIsNotRead() {
        QFile::remove(folder.filePath("family.csv"));
        QCOMPARE(
            buildPresetShortcuts(resources, *measurer, configuration(Gender::person, Tone::dark))
                .size(),
            3);
    }

    void installingRegistersTheListAndPublishesOnTheMainThread() {
        QSignalSpy changes(&preset(), &Preset::installedConfigurationChanged);
        QThread* notified = nullptr;
        connect(&preset(), &Preset::installedConfigurationChanged, this,
                [&notified] { notified = QThread::currentThread(); });
        const PresetConfiguration chosen = configuration(Gender::person, Tone::dark, Family::nnn);

        waitForTask(preset().install(chosen));
        QCOMPARE(preset().installedConfiguration(), chosen);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(notified, thread());
        QCOMPARE(fixture->service.currentEntries(),
                 (QList<TextReplacementEntry>{{"/thumbsup", "👍🏿"},
                                              {"/de", "🇩🇪"},
                                              {"/raisehand", "🙋🏿"},
                                              {"/family", "👪"},
                                              {"/kids", "👪"}}));
        // The list was built away from the main thread.
        QVERIFY(!measurer->threads().contains(thread()));
        const auto stored = nlohmann::json::parse(
            defaults->value(SettingsKeys::configuration).toByteArray().toStdString());
        QCOMPARE(QString::fromStdString(stored.dump()),
                 QString(R"({"family":"👪","gender":"🧑","tone":5})"));
    }

    void uninstallingRemovesTheListAndStoresNull() {
        waitForTask(preset().install(configuration(Gender::female, Tone::medium)));
        QSignalSpy changes(&preset(), &Preset::installedConfigurationChanged);
        waitForTask(preset().uninstall());
        QCOMPARE(preset().installedConfiguration(), std::nullopt);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(fixture->service.currentEntries(), QList<TextReplacementEntry>());
        QCOMPARE(fixture->registry.allShortcuts(), QList<Shortcut>());
        QCOMPARE(defaults->value(SettingsKeys::configuration).toByteArray(), "null");
    }

    void uninstallingWithNothingInstalledTouchesNothing() {
        QSignalSpy changes(&preset(), &Preset::installedConfigurationChanged);
        waitForTask(preset().uninstall());
        QCOMPARE(changes.size(), 0);
        QCOMPARE(fixture->service.calls().size(), 0);
    }

    void aFailedInstallChangesNothing_data() {
        QTest::addColumn<QString>("removedList");
        QTest::addColumn<QByteArray>("female");
        QTest::addColumn<bool>("storeFails");
        QTest::addColumn<QString>("message");
        QTest::newRow("a missing list")
            << "female.csv" << QByteArray() << false << "No emojis resource found";
        QTest::newRow("a name of the common list repeated in the appearance list")
            << QString() << QByteArray("🙋‍♀️,raisehand\n🇩🇪,de\n") << false
            << "Duplicates in initial list: [/de]";
        QTest::newRow("the replacement list refusing the change")
            << QString() << QByteArray() << true << "error 7";
    }
    void aFailedInstallChangesNothing() {
        QFETCH(QString, removedList);
        QFETCH(QByteArray, female);
        QFETCH(bool, storeFails);
        QFETCH(QString, message);
        if (!removedList.isEmpty())
            QFile::remove(folder.filePath(removedList));
        if (!female.isEmpty())
            write("female.csv", female);
        if (storeFails)
            fixture->service.failCall({7, {}, {}});
        QSignalSpy changes(&preset(), &Preset::installedConfigurationChanged);

        QCOMPARE(failureOf(preset().install(configuration(Gender::female, Tone::dark))), message);
        QCOMPARE(changes.size(), 0);
        verifyNothingChanged();
        if (!storeFails)
            QCOMPARE(fixture->service.calls().size(), 0);
    }

    // The welcome window installs without a family: after an installation
    // with one from the settings, /family stayed recorded, owned by no
    // configuration.
    void installingReplacesWhateverPresetIsRecorded_data() {
        QTest::addColumn<PresetConfiguration>("earlier");
        QTest::addColumn<PresetConfiguration>("later");
        QTest::newRow("no family after a family")
            << configuration(Gender::person, Tone::medium, Family::mwg)
            << configuration(Gender::female, Tone::dark);
        QTest::newRow("another tone of the same lists")
            << configuration(Gender::male, Tone::light) << configuration(Gender::male, Tone::dark);
    }
    void installingReplacesWhateverPresetIsRecorded() {
        QFETCH(PresetConfiguration, earlier);
        QFETCH(PresetConfiguration, later);
        const Shortcut custom{"/mine", "🔥", true};
        waitForTask(fixture->registry.registerShortcuts({custom}, false));
        waitForTask(preset().install(earlier));
        waitForTask(preset().install(later));
        QCOMPARE(preset().installedConfiguration(), later);
        const QList<Shortcut> expected =
            buildPresetShortcuts(resources, *measurer, later) + QList<Shortcut>{custom};
        QCOMPARE(sortedByText(fixture->registry.allShortcuts()), sortedByText(expected));
        QCOMPARE(listed(), sortedByText(expected));
    }

    // After a data or a font update the lists no longer give what was
    // installed: uninstalling forgot exact matches only and left the rest
    // recorded for good.
    void uninstallingForgetsEveryPresetShortcutWhateverTheListsGiveToday_data() {
        QTest::addColumn<QString>("update");
        QTest::newRow("a trigger renamed by a data update") << "data";
        QTest::newRow("a phrase that the font no longer tones") << "font";
    }
    void uninstallingForgetsEveryPresetShortcutWhateverTheListsGiveToday() {
        QFETCH(QString, update);
        RecordingReplacementService list;
        fixture = std::make_unique<PresetFixture>(*defaults, resources, *measurer, &list);
        const Shortcut custom{"/mine", "🔥", true};
        waitForTask(fixture->registry.registerShortcuts({custom}, false));
        waitForTask(preset().install(configuration(Gender::person, Tone::dark, Family::mwg)));

        // The next start, after the update.
        fixture.reset();
        FakeTextMeasurer updatedFont(QStringList{"👍"});
        if (update == "data")
            write("common.csv", "👍,like\n🇩🇪,de\n");
        fixture = std::make_unique<PresetFixture>(
            *defaults, resources, update == "font" ? updatedFont : *measurer, &list);
        waitForTask(preset().uninstall());
        QCOMPARE(preset().installedConfiguration(), std::nullopt);
        QCOMPARE(fixture->registry.allShortcuts(), QList<Shortcut>{custom});
        QCOMPARE(list.currentEntries(), (QList<TextReplacementEntry>{{"/mine", "🔥"}}));
        fixture.reset();
    }

    // What a quit or a kill left of a change, as the next start finds it.
    void theNextStartFinishesTheChangeTheUserChoseLast_data() {
        QTest::addColumn<QByteArray>("choice");
        QTest::addColumn<bool>("listFails");
        QTest::addColumn<Configuration>("installed");
        QTest::addColumn<QStringList>("said");
        const QString finishing =
            "Finishing the change of the preset shortcuts that was interrupted";
        QTest::newRow("an installation")
            << QByteArray(R"({"configuration":{"gender":"👨","tone":5}})") << false
            << Configuration(configuration(Gender::male, Tone::dark))
            << QStringList{finishing, "Finished the change of the preset shortcuts: 3 installed"};
        QTest::newRow("an uninstallation")
            << QByteArray(R"({"configuration":null})") << false << Configuration()
            << QStringList{finishing,
                           "Finished the change of the preset shortcuts: none installed"};
        QTest::newRow("an installation that fails again, kept for the start after")
            << QByteArray(R"({"configuration":{"gender":"👨","tone":5}})") << true
            << Configuration(configuration(Gender::person, Tone::light))
            << QStringList{finishing, "Could not finish the change of the preset shortcuts, the "
                                      "next start tries again: error 7"};
        QTest::newRow("no change, or none that can be read")
            << QByteArray(R"({"gender":"👨","tone":5})") << false
            << Configuration(configuration(Gender::person, Tone::light)) << QStringList();
    }
    void theNextStartFinishesTheChangeTheUserChoseLast() {
        QFETCH(QByteArray, choice);
        QFETCH(bool, listFails);
        QFETCH(Configuration, installed);
        QFETCH(QStringList, said);
        waitForTask(preset().install(configuration(Gender::person, Tone::light)));
        defaults->setValue(SettingsKeys::presetChoice, choice);
        fixture = std::make_unique<PresetFixture>(*defaults, resources, *measurer);
        fixture->service.setEntries(
            {{"/thumbsup", "👍🏻"}, {"/de", "🇩🇪"}, {"/raisehand", "🙋🏻"}});
        if (listFails)
            fixture->service.failCall({7, {}, {}});

        RecordingLineOutput output;
        waitForTask(preset().finishInterruptedChange(output));
        QCOMPARE(output.lines(), said);
        QCOMPARE(preset().installedConfiguration(), installed);
        QCOMPARE(listed().size(), installed ? 3 : 0);
        QCOMPARE(defaults->value(SettingsKeys::presetChoice).isValid(),
                 listFails || said.isEmpty());
    }

    void theStoredConfigurationIsReadAtConstruction_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<Configuration>("expected");
        QTest::newRow("nothing stored") << QVariant() << Configuration();
        QTest::newRow("a configuration without family")
            << QVariant(QByteArray(R"({"gender":"👩","tone":2})"))
            << Configuration(configuration(Gender::female, Tone::mediumLight));
        QTest::newRow("a configuration with a family")
            << QVariant(QByteArray(R"({"gender":"👨","tone":0,"family":"👩‍👧"})"))
            << Configuration(configuration(Gender::male, Tone::yellow, Family::wg));
        QTest::newRow("null") << QVariant(QByteArray("null")) << Configuration();
        QTest::newRow("text instead of data")
            << QVariant(QString(R"({"gender":"👩","tone":2})")) << Configuration();
        QTest::newRow("an unknown tone")
            << QVariant(QByteArray(R"({"gender":"👩","tone":6})")) << Configuration();
        QTest::newRow("an unknown appearance")
            << QVariant(QByteArray(R"({"gender":"🧒","tone":2})")) << Configuration();
        QTest::newRow("an unknown family")
            << QVariant(QByteArray(R"({"gender":"👩","tone":2,"family":"👪👪"})")) << Configuration();
        QTest::newRow("no tone") << QVariant(QByteArray(R"({"gender":"👩"})")) << Configuration();
    }
    void theStoredConfigurationIsReadAtConstruction() {
        QFETCH(QVariant, stored);
        QFETCH(Configuration, expected);
        if (stored.isValid())
            defaults->setValue(SettingsKeys::configuration, stored);
        fixture = std::make_unique<PresetFixture>(*defaults, resources, *measurer);
        QCOMPARE(preset().installedConfiguration(), expected);
    }

    // Stored as the program stores it, every configuration the user can choose
    // is the one a new start reads: no two choices share a stored form.
    void everyChoiceComesBackAfterARestart() {
        QList<std::optional<Family>> families{std::nullopt};
        for (Family family : allFamilies())
            families << family;
        for (Gender gender : allGenders()) {
            for (Tone tone : allTones()) {
                for (const std::optional<Family>& family : families) {
                    const PresetConfiguration chosen = configuration(gender, tone, family);
                    StoredSetting<std::optional<PresetConfiguration>>(
                        *defaults, SettingsKeys::configuration, std::nullopt)
                        .write(chosen);
                    fixture = std::make_unique<PresetFixture>(*defaults, resources, *measurer);
                    QCOMPARE(preset().installedConfiguration(), Configuration(chosen));
                }
            }
        }
    }
};

TESSELLE_TEST_MAIN(PresetTest, QCoreApplication)
#include "tst_preset.moc"

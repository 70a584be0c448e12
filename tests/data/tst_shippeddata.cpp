#include "FakeTextMeasurer.h"
#include "TestEnvironment.h"
#include "catalogue/SystemGroups.h"
#include "platform/MessageError.h"
#include "platform/linux/ResourceFolder.h"
#include "shortcuts/PresetReader.h"

#include <QFile>
#include <QSet>
#include <QTest>
#include <nlohmann/json.hpp>

namespace {

const ResourceFolder shipped(QStringLiteral(TESSELLE_SOURCE_RESOURCES));

nlohmann::json catalogueJson() {
    QFile file(*shipped.path("emojis", "json"));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    return nlohmann::json::parse(file.readAll().toStdString());
}

int lineCount(const QString& list) {
    QFile file(*shipped.path(list, "csv"));
    return file.open(QIODevice::ReadOnly) ? int(file.readAll().count('\n')) : -1;
}

} // namespace

class ShippedDataTest : public QObject {
    Q_OBJECT

private slots:
    void theCatalogueHasEveryCategoryInFull() {
        const nlohmann::json records = catalogueJson();
        QCOMPARE(records.size(), 1870u);
        QHash<QString, int> counts;
        for (const auto& record : records) {
            ++counts[QString::fromStdString(record.at("category").get<std::string>())];
            QVERIFY2(!record.at("aliases").empty() && !record.at("tags").empty(),
                     record.dump().c_str());
        }
        const QHash<QString, int> expected{
            {"Smileys & Emotion", 166}, {"People & Body", 363},   {"Animals & Nature", 152},
            {"Food & Drink", 133},      {"Travel & Places", 218}, {"Activities", 85},
            {"Objects", 261},           {"Symbols", 223},         {"Flags", 269}};
        QCOMPARE(counts, expected);
    }

    void theProgramLoadsEveryRecord() {
        const FakeTextMeasurer measurer;
        int loaded = 0;
        for (const EmojiGroup& group : loadSystemGroups(shipped, measurer, std::nullopt))
            loaded += int(group.emojis.size());
        QCOMPARE(loaded, 1870);
    }

    void everyListIsReadWholeAndNamesOnlyCatalogueEmoji_data() {
        QTest::addColumn<QString>("list");
        for (const char* list : {"common", "person", "female", "male", "family"})
            QTest::newRow(list) << list;
    }
    void everyListIsReadWholeAndNamesOnlyCatalogueEmoji() {
        QFETCH(QString, list);
        QSet<QString> catalogue;
        for (const auto& record : catalogueJson())
            catalogue.insert(QString::fromStdString(record.at("emoji").get<std::string>()));
        const QList<Shortcut> shortcuts = readPresetShortcuts(shipped, list);
        QCOMPARE(shortcuts.size(), lineCount(list));
        for (const Shortcut& shortcut : shortcuts)
            QVERIFY2(catalogue.contains(shortcut.phrase), qPrintable(shortcut.text));
    }

    void everyConfigurationHasUniqueNames_data() {
        QTest::addColumn<QString>("appearance");
        QTest::addColumn<bool>("withFamily");
        for (const char* appearance : {"person", "female", "male"}) {
            QTest::addRow("common and %s", appearance) << appearance << false;
            QTest::addRow("common, %s and family", appearance) << appearance << true;
        }
    }
    void everyConfigurationHasUniqueNames() {
        QFETCH(QString, appearance);
        QFETCH(bool, withFamily);
        QList<Shortcut> shortcuts =
            readPresetShortcuts(shipped, "common") + readPresetShortcuts(shipped, appearance);
        if (withFamily)
            shortcuts += readPresetShortcuts(shipped, "family");
        try {
            checkForDuplicates(shortcuts);
        } catch (const MessageError& error) {
            QFAIL(error.what());
        }
    }
};

TESSELLE_TEST_MAIN(ShippedDataTest, QCoreApplication)
#include "tst_shippeddata.moc"

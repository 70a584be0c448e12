#include "TestEnvironment.h"
#include "platform/MessageError.h"
#include "platform/linux/ResourceFolder.h"
#include "shortcuts/PresetReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Shortcuts = QList<Shortcut>;

namespace QTest {
template <> char* toString(const Shortcut& shortcut) {
    return qstrdup(qPrintable('[' + shortcut.text + "] -> " + shortcut.phrase));
}
} // namespace QTest

class PresetReaderTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    ResourceFolder m_resources{m_folder.path()};

    void writeList(const QByteArray& content) {
        QFile file(m_folder.filePath("list.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private slots:
    void linesBecomeShortcuts_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Shortcuts>("expected");
        QTest::newRow("a line gives slash and the lower-cased name")
            << QByteArray("💃,Dance\n") << Shortcuts{{"/dance", "💃", false}};
        QTest::newRow("lines with a second comma or none are skipped, order kept")
            << QByteArray("💃,dance,extra\n🔥\n🕺,man\n👍,thumbsup")
            << Shortcuts{{"/man", "🕺", false}, {"/thumbsup", "👍", false}};
        QTest::newRow("a carriage return stays in the name")
            << QByteArray("💃,dance\r\n") << Shortcuts{{"/dance\r", "💃", false}};
        QTest::newRow("spaces are not trimmed") << QByteArray("🙂,slightly smiling\n")
                                                << Shortcuts{{"/slightly smiling", "🙂", false}};
        QTest::newRow("a file without a usable line gives nothing")
            << QByteArray("\n\nno comma here\n") << Shortcuts{};
    }
    void linesBecomeShortcuts() {
        QFETCH(QByteArray, content);
        QFETCH(Shortcuts, expected);
        writeList(content);
        QCOMPARE(readPresetShortcuts(m_resources, "list"), expected);
    }

    void aMissingListFailsWithItsMessage() {
        try {
            readPresetShortcuts(m_resources, "absent");
            QFAIL("no failure");
        } catch (const MessageError& error) {
            QCOMPARE(error.message(), "No emojis resource found");
        }
    }

    void repeatedTextsAreReportedOnceEach() {
        const Shortcuts list{{"/a", "1", false}, {"/b", "2", false}, {"/a", "3", false},
                             {"/b", "4", false}, {"/b", "5", false}, {"/c", "6", false}};
        try {
            checkForDuplicates(list);
            QFAIL("no failure");
        } catch (const MessageError& error) {
            const QString message = error.message();
            QVERIFY(message.startsWith("Duplicates in initial list: ["));
            QVERIFY(message.endsWith(']'));
            const QString inner = message.mid(29, message.size() - 30);
            QStringList texts = inner.split(',');
            texts.sort();
            QCOMPARE(texts, (QStringList{"/a", "/b"}));
        }
        checkForDuplicates({{"/a", "1", false}, {"/b", "1", false}});
    }

    void shortcutJsonNeedsAllThreeFields_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("valid");
        QTest::newRow("all three fields decode")
            << QByteArray(R"({"text":"/a","phrase":"A","isCustom":true})") << true;
        QTest::newRow("a missing isCustom fails")
            << QByteArray(R"({"text":"/a","phrase":"A"})") << false;
        QTest::newRow("a number for isCustom fails")
            << QByteArray(R"({"text":"/a","phrase":"A","isCustom":1})") << false;
        QTest::newRow("a number for text fails")
            << QByteArray(R"({"text":1,"phrase":"A","isCustom":false})") << false;
    }
    void shortcutJsonNeedsAllThreeFields() {
        QFETCH(QByteArray, json);
        QFETCH(bool, valid);
        bool decoded = true;
        Shortcut shortcut;
        try {
            shortcut = nlohmann::json::parse(json.toStdString()).get<Shortcut>();
        } catch (const nlohmann::json::exception&) {
            decoded = false;
        }
        QCOMPARE(decoded, valid);
        if (valid)
            QVERIFY(nlohmann::json(shortcut) == nlohmann::json::parse(json.toStdString()));
    }
};

TESSELLE_TEST_MAIN(PresetReaderTest, QCoreApplication)
#include "tst_presetreader.moc"

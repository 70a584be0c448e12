#include "TestEnvironment.h"
#include "platform/linux/InterfaceTranslations.h"
#include "platform/linux/ResourceFolder.h"
#include "settings/UserLanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString sourceRoot = QStringLiteral(TESSELLE_SOURCE_RESOURCES "/..");
// The compiled translations, where the program finds them in the build tree.
const QString builtResources = QStringLiteral(TESSELLE_BINARY_DIR "/../share/tesselle");

const QStringList shippedLanguages{"de", "fr", "es", "it", "pt_BR", "ru", "ja", "zh_CN"};

struct Message {
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString translationType;
};

QList<Message> readTs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages << Message{context, {}, {}, {}, {}};
        else if (xml.name() == QLatin1String("source"))
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("comment"))
            messages.last().comment = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            messages.last().translationType = xml.attributes().value("type").toString();
            messages.last().translation = xml.readElementText();
        }
    }
    return messages;
}

QString key(const Message& message) {
    return message.context + '\n' + message.source + '\n' + message.comment;
}

// What a translation must carry over as it is: the placeholders, the markup,
// and the shortcut triggers, which stay the same in every language.
QStringList kept(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("%\\d|<[^>]+>|(?<![\\w/])/[a-z]+\\b|\\[|\\]"));
    QStringList found;
    for (auto match = pattern.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.sort();
    return found;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

    QSet<QString> m_current;

private slots:
    // The program's texts as they are in the sources now, read by Qt's own tool.
    void initTestCase() {
        QTemporaryDir folder;
        const QString extracted = folder.filePath("tesselle_xx.ts");
        QProcess lupdate;
        lupdate.start(QLibraryInfo::path(QLibraryInfo::BinariesPath) + "/lupdate",
                      {"-silent", "-locations", "none", "-extensions", "cpp,h", sourceRoot + "/src",
                       "-ts", extracted});
        QVERIFY2(lupdate.waitForFinished(120000), "lupdate (Debian qt6-l10n-tools) did not run");
        QCOMPARE(lupdate.exitCode(), 0);
        for (const Message& message : readTs(extracted))
            m_current << key(message);
        QVERIFY(m_current.size() > 100);
    }

    void everyShippedLanguageTranslatesEveryText_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : shippedLanguages)
            QTest::newRow(qPrintable(language)) << language;
        const QStringList files = QDir(sourceRoot + "/translations").entryList({"tesselle_*.ts"});
        for (const QString& file : files) {
            const QString language = file.mid(9).chopped(3);
            if (!shippedLanguages.contains(language))
                QTest::newRow(qPrintable(language)) << language;
        }
    }
    void everyShippedLanguageTranslatesEveryText() {
        QFETCH(QString, language);
        const QList<Message> messages =
            readTs(sourceRoot + "/translations/tesselle_" + language + ".ts");
        QSet<QString> translated;
        QStringList faults;
        for (const Message& message : messages) {
            translated << key(message);
            const QString where = message.context + ": \"" + message.source + "\" ";
            if (!message.translationType.isEmpty())
                faults << where + message.translationType;
            else if (message.translation.trimmed().isEmpty())
                faults << where + "is not translated";
            else if (kept(message.translation) != kept(message.source))
                faults << where + "loses or adds " + QStringList(kept(message.source)).join(' ') +
                              " | " + kept(message.translation).join(' ');
        }
        for (const QString& missing : m_current - translated)
            faults << "missing: " + QString(missing).replace('\n', ' ');
        for (const QString& gone : translated - m_current)
            faults << "no longer in the program: " + QString(gone).replace('\n', ' ');
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void theProgramLoadsTheCompiledTranslationWithQtsOwn_data() {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("search");
        QTest::newRow("German") << "de_DE.UTF-8"
                                << "de"
                                << "Suchen";
        QTest::newRow("Swiss German reads German") << "de_CH.UTF-8"
                                                   << "de"
                                                   << "Suchen";
        QTest::newRow("French") << "fr_FR.UTF-8"
                                << "fr"
                                << "Rechercher";
        QTest::newRow("Spanish") << "es_ES.UTF-8"
                                 << "es"
                                 << "Buscar";
        QTest::newRow("Italian") << "it_IT.UTF-8"
                                 << "it"
                                 << "Cerca";
        QTest::newRow("Brazilian Portuguese") << "pt_BR.UTF-8"
                                              << "pt_BR"
                                              << "Pesquisar";
        QTest::newRow("Russian") << "ru_RU.UTF-8"
                                 << "ru"
                                 << "Поиск";
        QTest::newRow("Japanese") << "ja_JP.UTF-8"
                                  << "ja"
                                  << "検索";
        QTest::newRow("Simplified Chinese") << "zh_CN.UTF-8"
                                            << "zh_CN"
                                            << "搜索";
        QTest::newRow("Dutch has no translation: English") << "nl_NL.UTF-8"
                                                           << ""
                                                           << "Search";
    }
    void theProgramLoadsTheCompiledTranslationWithQtsOwn() {
        QFETCH(QString, variable);
        QFETCH(QString, language);
        QFETCH(QString, search);
        QProcessEnvironment environment;
        environment.insert("LANG", variable);
        const ResourceFolder resources(builtResources);
        {
            InterfaceTranslations translations(UserLanguages::preferred(environment), resources,
                                               InterfaceTranslations::qtTranslationsFolder());
            QCOMPARE(translations.language().value_or(QString()), language);
            QCOMPARE(QCoreApplication::translate("MenuBarView", "Search"), search);
            // Qt's own buttons follow (qtbase's translations, Debian
            // qt6-translations-l10n): "Cancel" is translated in each of them.
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") != "Cancel",
                     !language.isEmpty());
        }
        QCOMPARE(QCoreApplication::translate("MenuBarView", "Search"), "Search");
    }
};

TESSELLE_TEST_MAIN(TranslationsTest, QCoreApplication)
#include "tst_translations.moc"

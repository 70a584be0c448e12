#include "TestEnvironment.h"
#include "settings/UserLanguages.h"

#include <QCoreApplication>
#include <QTest>

namespace {

// The interface's translations and some of the languages whose emoji words ship.
const QStringList interfaceFiles{"de", "fr", "es", "it", "pt_BR", "ru", "ja", "zh_CN"};
const QStringList wordFiles{"de", "fr",      "es", "it", "pt",      "ru", "ja",
                            "zh", "zh_Hant", "nl", "sr", "sr_Latn", "no", "nn"};

QString chosen(const QStringList& names, const QStringList& files) {
    return UserLanguages::firstAvailable(names,
                                         [&](const QString& name) { return files.contains(name); })
        .value_or(QString());
}

} // namespace

class UserLanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void theLanguageIsTheDesktopsWithARegionFallingBackToItsLanguage_data() {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("interface");
        QTest::addColumn<QString>("words");
        QTest::newRow("a German desktop") << QStringList{"LANG=de_DE.UTF-8"} << "de"
                                          << "de";
        QTest::newRow("Swiss German falls back to German")
            << QStringList{"LANG=de_CH.UTF-8"} << "de"
            << "de";
        QTest::newRow("Brazilian Portuguese keeps its region where a translation has it")
            << QStringList{"LANG=pt_BR.UTF-8"} << "pt_BR"
            << "pt";
        QTest::newRow("European Portuguese reads Portuguese words in an English interface")
            << QStringList{"LANG=pt_PT.UTF-8"} << ""
            << "pt";
        QTest::newRow("Simplified Chinese in China") << QStringList{"LANG=zh_CN.UTF-8"} << "zh_CN"
                                                     << "zh";
        QTest::newRow("Chinese in Taiwan reads traditional characters")
            << QStringList{"LANG=zh_TW.UTF-8"} << ""
            << "zh_Hant";
        QTest::newRow("Serbian written in Latin letters")
            << QStringList{"LANG=sr_RS.UTF-8@latin"} << ""
            << "sr_Latn";
        QTest::newRow("Norwegian Bokmål reads the Norwegian words")
            << QStringList{"LANG=nb_NO.UTF-8"} << ""
            << "no";
        QTest::newRow("Norwegian Nynorsk reads its own") << QStringList{"LANG=nn_NO.UTF-8"} << ""
                                                         << "nn";
        QTest::newRow("LANGUAGE comes before the locale")
            << QStringList{"LANGUAGE=fr:de", "LANG=de_DE.UTF-8"} << "fr"
            << "fr";
        QTest::newRow("a later entry of LANGUAGE serves what the first lacks")
            << QStringList{"LANGUAGE=nl:de", "LANG=nl_NL.UTF-8"} << "de"
            << "nl";
        QTest::newRow("English in LANGUAGE ends the list")
            << QStringList{"LANGUAGE=en_GB:de", "LANG=de_DE.UTF-8"} << ""
            << "";
        QTest::newRow("an empty LANGUAGE is passed over")
            << QStringList{"LANGUAGE=", "LANG=it_IT.UTF-8"} << "it"
            << "it";
        QTest::newRow("LC_ALL comes before LC_MESSAGES and LANG")
            << QStringList{"LC_ALL=ja_JP.UTF-8", "LC_MESSAGES=de_DE.UTF-8", "LANG=fr_FR.UTF-8"}
            << "ja"
            << "ja";
        QTest::newRow("LC_MESSAGES comes before LANG")
            << QStringList{"LC_MESSAGES=ru_RU.UTF-8", "LANG=fr_FR.UTF-8"} << "ru"
            << "ru";
        QTest::newRow("the C locale is English") << QStringList{"LANG=C.UTF-8"} << ""
                                                 << "";
        QTest::newRow("a language that ships nothing is English")
            << QStringList{"LANG=xx_YY.UTF-8"} << ""
            << "";
        QTest::newRow("no variable at all is English") << QStringList{} << ""
                                                       << "";
    }
    void theLanguageIsTheDesktopsWithARegionFallingBackToItsLanguage() {
        QFETCH(QStringList, variables);
        QFETCH(QString, interface);
        QFETCH(QString, words);
        QProcessEnvironment environment;
        for (const QString& variable : variables)
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        const QStringList names = UserLanguages::preferred(environment);
        QCOMPARE(chosen(names, interfaceFiles), interface);
        QCOMPARE(chosen(names, wordFiles), words);
    }
};

TESSELLE_TEST_MAIN(UserLanguagesTest, QCoreApplication)
#include "tst_userlanguages.moc"

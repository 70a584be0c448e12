#include "Fakes.h"
#include "TestEnvironment.h"
#include "platform/linux/BuildAppInfo.h"
#include "platform/linux/ResourceFolder.h"
#include "ui/settings/AboutSettingsView.h"
#include "ui/settings/ContactLinks.h"
#include "ui/settings/SupportSettingsView.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QUrlQuery>

namespace {

// Takes the links the pages hand to the desktop instead of opening them.
class LinkRecorder : public QObject {
    Q_OBJECT
public:
    LinkRecorder() {
        for (const char* scheme : {"mailto", "https", "http"})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~LinkRecorder() override {
        for (const char* scheme : {"mailto", "https", "http"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

QPushButton* button(QWidget& page, const QString& text) {
    for (QPushButton* candidate : page.findChildren<QPushButton*>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

QStringList labelTexts(QWidget& page) {
    QStringList texts;
    for (QLabel* label : page.findChildren<QLabel*>()) {
        texts << (label->textFormat() == Qt::RichText
                      ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                      : label->text());
    }
    return texts;
}

FakeAppInfo appInfo(const QHash<QString, QString>& values) {
    FakeAppInfo info;
    info.values = values;
    return info;
}

using InfoValues = QHash<QString, QString>;

} // namespace

class SettingsPagesTest : public QObject {
    Q_OBJECT

private slots:
    // The high-voltage sign in its emoji form (with U+FE0F), as the rows spell it.
    void theAboutTitleNamesTheProgramAndItsVersion_data() {
        QTest::addColumn<InfoValues>("values");
        QTest::addColumn<QString>("title");
        QTest::newRow("the program's name, not its file's")
            << InfoValues{{"CFBundleName", "Tessella"},
                          {"CFBundleExecutable", "tesselle"},
                          {"CFBundleShortVersionString", "1.2"}}
            << QStringLiteral("Tessella \u26A1\uFE0F Version 1.2");
        QTest::newRow("no version reads as ???")
            << InfoValues{{"CFBundleName", "Tessella"}}
            << QStringLiteral("Tessella \u26A1\uFE0F Version ???");
        QTest::newRow("no name reads as Tesselle")
            << InfoValues{{"CFBundleExecutable", "tesselle"},
                          {"CFBundleShortVersionString", "0.1.0"}}
            << QStringLiteral("Tesselle \u26A1\uFE0F Version 0.1.0");
    }
    void theAboutTitleNamesTheProgramAndItsVersion() {
        QFETCH(InfoValues, values);
        QFETCH(QString, title);
        const FakeAppInfo info = appInfo(values);
        ResourceFolder resources(TESSELLE_SOURCE_RESOURCES);
        AboutSettingsView page(info, resources);
        QVERIFY(labelTexts(page).contains(title));
    }

    void theProgramsAboutTitleNamesItWithACapital() {
        const BuildAppInfo info;
        QVERIFY2(
            AboutSettingsView::title(info).startsWith(QStringLiteral("Tesselle ⚡️ Version ")),
            qPrintable(AboutSettingsView::title(info)));
    }

    void theNoticeShowsTheCurrentYear_data() {
        QTest::addColumn<std::optional<QString>>("copyright");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("notice");
        QTest::newRow("2023 twice, in 2026")
            << std::optional<QString>("© 2023 Tesselle, 2023 and on") << 2026
            << "© 2026 Tesselle, 2026 and on";
        QTest::newRow("without 2023 it stays as it is")
            << std::optional<QString>("© 2021 Tesselle") << 2026 << "© 2021 Tesselle";
        QTest::newRow("a missing notice reads as ???") << std::optional<QString>() << 2026 << "???";
    }
    void theNoticeShowsTheCurrentYear() {
        QFETCH(std::optional<QString>, copyright);
        QFETCH(int, year);
        QFETCH(QString, notice);
        QCOMPARE(AboutSettingsView::notice(copyright, year), notice);
    }

    void theAboutPageShowsTheNoticeOfThisYear() {
        const FakeAppInfo info = appInfo({{"NSHumanReadableCopyright", "Copyright © 2023 Us"}});
        ResourceFolder resources(TESSELLE_SOURCE_RESOURCES);
        AboutSettingsView page(info, resources);
        const QString expected =
            QStringLiteral("Copyright © %1 Us").arg(QDate::currentDate().year());
        QVERIFY2(labelTexts(page).contains(expected), qPrintable(labelTexts(page).join('|')));
    }

    void theIconShowsWhenTheNamedImageLoads_data() {
        QTest::addColumn<std::optional<QString>>("iconName");
        QTest::addColumn<bool>("shown");
        QTest::newRow("the shipped icon") << std::optional<QString>("Tesselle") << true;
        QTest::newRow("a name with no image") << std::optional<QString>("Nothing") << false;
        QTest::newRow("an image that does not load") << std::optional<QString>("broken") << false;
        QTest::newRow("no name") << std::optional<QString>() << false;
    }
    void theIconShowsWhenTheNamedImageLoads() {
        QFETCH(std::optional<QString>, iconName);
        QFETCH(bool, shown);
        QTemporaryDir folder;
        QFile::copy(QStringLiteral(TESSELLE_SOURCE_RESOURCES "/Tesselle.svg"),
                    folder.filePath("Tesselle.svg"));
        QFile broken(folder.filePath("broken.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not an image");
        broken.close();
        FakeAppInfo info;
        if (iconName)
            info.values.insert("CFBundleIconFile", *iconName);
        ResourceFolder resources(folder.path());
        AboutSettingsView page(info, resources);
        QLabel* icon = page.findChild<QLabel*>("icon");
        QCOMPARE(icon != nullptr, shown);
        if (icon)
            QCOMPARE(icon->size(), QSize(60, 60));
    }

    void sayHiOpensTheMakersWebPage() {
        LinkRecorder links;
        const FakeAppInfo info = appInfo({});
        ResourceFolder resources(TESSELLE_SOURCE_RESOURCES);
        AboutSettingsView page(info, resources);
        QTest::mouseClick(button(page, "Say hi"), Qt::LeftButton);
        QCOMPARE(links.opened, QList<QUrl>{QUrl(ContactLinks::makerWebPage)});
    }

    void contactOpensAMailToTheSupportAddress() {
        LinkRecorder links;
        SupportSettingsView page;
        QVERIFY(labelTexts(page).contains(
            "Get in touch for any feedback, questions or features requests!"));
        QTest::mouseClick(button(page, "Contact"), Qt::LeftButton);
        QCOMPARE(links.opened.size(), 1);
        QCOMPARE(links.opened.first().toEncoded(), QByteArray("mailto:") +
                                                       ContactLinks::supportAddress +
                                                       "?subject=Tesselle%20Support!&body=Hi");
    }

    // The query keeps its meaning whatever the subject holds.
    void mailLinksCarryTheirSubjectAndBodyIntact_data() {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");
        QTest::newRow("separators of the query") << "Q&A = fun+games"
                                                 << "a&b=c";
        QTest::newRow("non-ASCII text") << "Grüße 🕺"
                                        << "Hi?";
        QTest::newRow("a percent sign") << "100% done"
                                        << "%20";
    }
    void mailLinksCarryTheirSubjectAndBodyIntact() {
        QFETCH(QString, subject);
        QFETCH(QString, body);
        const std::optional<QUrl> link =
            SupportSettingsView::mailLink("help@example.org", subject, body);
        QVERIFY(link);
        QCOMPARE(link->path(), "help@example.org");
        const QUrlQuery query(*link);
        QCOMPARE(query.queryItemValue("subject", QUrl::FullyDecoded), subject);
        QCOMPARE(query.queryItemValue("body", QUrl::FullyDecoded), body);
    }
};

TESSELLE_TEST_MAIN(SettingsPagesTest, QApplication)
#include "tst_settingspages.moc"

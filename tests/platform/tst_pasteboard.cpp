#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/MessageError.h"
#include "platform/linux/QtClipboardPasteboard.h"
#include "platform/linux/X11PasteService.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

class PasteboardTest : public QObject {
    Q_OBJECT

private slots:
    void theClipboardHoldsExactlyTheCopiedText_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("a single emoji") << QStringLiteral("💃");
        QTest::newRow("an emoji sequence with a skin tone") << QStringLiteral("👩🏽‍🚀");
        QTest::newRow("plain text") << QStringLiteral("hello");
    }
    void theClipboardHoldsExactlyTheCopiedText() {
        QFETCH(QString, text);
        auto* previous = new QMimeData;
        previous->setHtml("<b>earlier</b>");
        previous->setData("application/x-earlier", "data");
        QGuiApplication::clipboard()->setMimeData(previous);

        QtClipboardPasteboard().setText(text);
        const QMimeData* now = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(now->formats(), QStringList{"text/plain"});
        QCOMPARE(now->text(), text);
    }

    void withoutAnX11DisplayEveryPasteFailsWithTheReason_data() {
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a session without X11") << QByteArray() << "Autopaste needs an X11 session";
        QTest::newRow("a display that cannot be opened")
            << QByteArray(":987") << "Autopaste needs an X11 session; cannot open the display :987";
    }
    void withoutAnX11DisplayEveryPasteFailsWithTheReason() {
        QFETCH(QByteArray, display);
        QFETCH(QString, reason);
        const QByteArray saved = qgetenv("DISPLAY");
        qputenv("DISPLAY", display);
        X11PasteService service;
        service.prepare();
        qputenv("DISPLAY", saved);
        service.rememberActiveWindow();
        service.activateWindow(42);
        try {
            waitForTask(service.pasteIntoRememberedWindow(QStringLiteral("💃")));
            QFAIL("the paste did not fail");
        } catch (const MessageError& error) {
            QCOMPARE(error.message(), reason);
        }
    }
};

TESSELLE_TEST_MAIN(PasteboardTest, QGuiApplication)
#include "tst_pasteboard.moc"

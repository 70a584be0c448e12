#include "TestEnvironment.h"
#include "platform/linux/X11Key.h"

#include <QTest>

namespace {

// The X server's names: modifier masks and key symbols.
constexpr uint16_t shift = 1 << 0;
constexpr uint16_t control = 1 << 2;
constexpr uint16_t alt = 1 << 3;
constexpr uint16_t super = 1 << 6;

} // namespace

Q_DECLARE_METATYPE(std::optional<X11Key>)

// The key sequence a user sets becomes the key and modifiers that the X
// server is asked to give this program from every window.
class X11KeyTest : public QObject {
    Q_OBJECT

private slots:
    void aKeySequenceBecomesTheServersKeyAndModifiers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<X11Key>>("key");
        QTest::newRow("Ctrl+Alt+E is the e key with Control and Alt")
            << "Ctrl+Alt+E" << std::optional(X11Key{'e', control | alt});
        QTest::newRow("a letter is held by its lower-case symbol, Shift as a modifier")
            << "Shift+Ctrl+A" << std::optional(X11Key{'a', shift | control});
        QTest::newRow("Meta is the Super key") << "Meta+Space" << std::optional(X11Key{' ', super});
        QTest::newRow("a digit with Alt") << "Alt+5" << std::optional(X11Key{'5', alt});
        QTest::newRow("a function key may stand alone") << "F9" << std::optional(X11Key{0xffc6, 0});
        QTest::newRow("F1 is the first of them") << "F1" << std::optional(X11Key{0xffbe, 0});
        QTest::newRow("F12 the last") << "Shift+F12" << std::optional(X11Key{0xffc9, shift});
        QTest::newRow("a letter alone would take it from every text field")
            << "E" << std::optional<X11Key>();
        QTest::newRow("so would a letter with Shift alone") << "Shift+E" << std::optional<X11Key>();
        QTest::newRow("a sequence of two keys cannot be held")
            << "Ctrl+Alt+E, Ctrl+X" << std::optional<X11Key>();
        QTest::newRow("a key outside letters, digits, space and F1 to F12 is refused")
            << "Ctrl+Alt+Left" << std::optional<X11Key>();
        QTest::newRow("so is a punctuation key") << "Meta+." << std::optional<X11Key>();
        QTest::newRow("nothing is no key") << "" << std::optional<X11Key>();
        QTest::newRow("words are no key") << "Control plus E" << std::optional<X11Key>();
    }
    void aKeySequenceBecomesTheServersKeyAndModifiers() {
        QFETCH(QString, text);
        QFETCH(std::optional<X11Key>, key);
        QCOMPARE(X11Key::fromPortableText(text), key);
    }
};

TESSELLE_TEST_MAIN(X11KeyTest, QGuiApplication)
#include "tst_x11key.moc"

#include "FakeGlobalShortcut.h"
#include "Fakes.h"
#include "TestEnvironment.h"
#include "settings/KeyboardShortcut.h"
#include "settings/SettingsKeys.h"
#include "ui/controls/SingleChordEdit.h"
#include "ui/settings/KeyboardShortcutField.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

struct Chord {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// The field over the controller, the key held by the fake.
struct Fixture {
    FakeDefaultsStore defaults;
    FakeGlobalShortcut keys;
    RecordingLineOutput output;
    std::unique_ptr<KeyboardShortcut> shortcut;
    std::unique_ptr<KeyboardShortcutField> field;

    explicit Fixture(bool canHoldKeys = true, QStringList desktops = {}, QStringList taken = {}) {
        keys.taken = taken;
        shortcut = std::make_unique<KeyboardShortcut>(
            defaults, canHoldKeys ? &keys : nullptr,
            DesktopSession{DesktopSession::Kind::wayland, desktops}, output);
        field = std::make_unique<KeyboardShortcutField>(*shortcut);
        field->show();
    }
    SingleChordEdit& edit() const { return *field->findChild<SingleChordEdit*>(); }
    QPushButton& clear() const { return *field->findChild<QPushButton*>(); }
    void type(const Chord& chord) const {
        SingleChordEdit& target = edit();
        target.setFocus();
        QTest::keyClick(&target, chord.key, chord.modifiers);
    }
    QStringList shownTexts() const {
        QStringList texts;
        for (const QLabel* label : field->findChildren<QLabel*>())
            if (label->isVisibleTo(field.get()) && !label->text().isEmpty())
                texts << label->text();
        return texts;
    }
    QByteArray stored() const {
        return defaults.value(SettingsKeys::keyboardShortcut).toByteArray();
    }
};

} // namespace

Q_DECLARE_METATYPE(QList<Chord>)

class KeyboardShortcutFieldTest : public QObject {
    Q_OBJECT

private slots:
    void typedKeyIsHeldAtOnce_data() {
        QTest::addColumn<QList<Chord>>("typed");
        QTest::addColumn<QString>("held");
        QTest::newRow("a key with modifiers replaces the default")
            << QList<Chord>{{Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier}} << "Ctrl+Shift+K";
        QTest::newRow("a second key replaces the first instead of following it")
            << QList<Chord>{{Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier},
                            {Qt::Key_L, Qt::ControlModifier | Qt::AltModifier}}
            << "Ctrl+Alt+L";
        QTest::newRow("a function key alone is a key")
            << QList<Chord>{{Qt::Key_F9, Qt::NoModifier}} << "F9";
        QTest::newRow("a letter alone is refused: typing it anywhere would stop")
            << QList<Chord>{{Qt::Key_E, Qt::NoModifier}} << "Ctrl+Alt+E";
        QTest::newRow("a letter with Shift is refused")
            << QList<Chord>{{Qt::Key_E, Qt::ShiftModifier}} << "Ctrl+Alt+E";
        QTest::newRow("Backspace alone is refused")
            << QList<Chord>{{Qt::Key_Backspace, Qt::NoModifier}} << "Ctrl+Alt+E";
        QTest::newRow("a refused key after a chosen one keeps the chosen one")
            << QList<Chord>{{Qt::Key_K, Qt::MetaModifier}, {Qt::Key_5, Qt::NoModifier}} << "Meta+K";
    }
    void typedKeyIsHeldAtOnce() {
        QFETCH(QList<Chord>, typed);
        QFETCH(QString, held);
        Fixture fixture;
        for (const Chord& chord : typed)
            fixture.type(chord);
        QCOMPARE(fixture.keys.held(), held);
        QCOMPARE(fixture.keys.bound.last(), held);
        QCOMPARE(fixture.edit().keySequence(),
                 QKeySequence::fromString(held, QKeySequence::PortableText));
        if (held != KeyboardShortcut::defaultKey)
            QCOMPARE(fixture.stored(), '"' + held.toUtf8() + '"');
    }

    void clearingReleasesTheKeyAndStoresNone() {
        Fixture fixture;
        QVERIFY(fixture.clear().isEnabled());
        QTest::mouseClick(&fixture.clear(), Qt::LeftButton);
        QCOMPARE(fixture.keys.bound, (QStringList{"Ctrl+Alt+E", ""}));
        QCOMPARE(fixture.stored(), "\"\"");
        QVERIFY(fixture.edit().keySequence().isEmpty());
        QVERIFY(!fixture.clear().isEnabled());
        fixture.type({Qt::Key_E, Qt::NoModifier});
        QVERIFY(fixture.edit().keySequence().isEmpty());
        fixture.type({Qt::Key_K, Qt::ControlModifier | Qt::AltModifier});
        QCOMPARE(fixture.keys.held(), "Ctrl+Alt+K");
    }

    void keyAnotherProgramHoldsIsSaidInTheRowAndKept_data() {
        QTest::addColumn<QList<Chord>>("typed");
        QTest::addColumn<QString>("key");
        QTest::newRow("the key held at start") << QList<Chord>() << "Ctrl+Alt+E";
        QTest::newRow("a key typed in the field")
            << QList<Chord>{{Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier}} << "Ctrl+Shift+K";
    }
    void keyAnotherProgramHoldsIsSaidInTheRowAndKept() {
        QFETCH(QList<Chord>, typed);
        QFETCH(QString, key);
        Fixture fixture(true, {}, {key});
        for (const Chord& chord : typed)
            fixture.type(chord);
        QCOMPARE(fixture.shownTexts(), QStringList{"Another program uses " + key});
        QCOMPARE(fixture.edit().keySequence(),
                 QKeySequence::fromString(key, QKeySequence::PortableText));
        QCOMPARE(fixture.shortcut->key(), key);
        QCOMPARE(fixture.keys.held(), QString());

        fixture.type({Qt::Key_F9, Qt::NoModifier});
        QCOMPARE(fixture.keys.held(), "F9");
        QCOMPARE(fixture.shownTexts(), QStringList{"Tesselle holds it."});
    }

    void sessionWithoutKeysShowsTheCommandToBind_data() {
        QTest::addColumn<QStringList>("desktops");
        QTest::addColumn<QString>("command");
        QTest::newRow("GNOME") << QStringList{"GNOME"} << "tesselle --toggle";
        QTest::newRow("sway") << QStringList{"sway"} << "bindsym Ctrl+Alt+e exec tesselle --toggle";
    }
    void sessionWithoutKeysShowsTheCommandToBind() {
        QFETCH(QStringList, desktops);
        QFETCH(QString, command);
        Fixture fixture(false, desktops);
        QVERIFY(!fixture.field->findChild<SingleChordEdit*>());
        const QStringList texts = fixture.shownTexts();
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts.last(), command);
        const QLabel* commandLabel = fixture.field->findChildren<QLabel*>().last();
        QVERIFY(commandLabel->textInteractionFlags() & Qt::TextSelectableByMouse);
    }
};

TESSELLE_TEST_MAIN(KeyboardShortcutFieldTest, QApplication)
#include "tst_keyboardshortcutfield.moc"

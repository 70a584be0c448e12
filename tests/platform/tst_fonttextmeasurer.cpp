#include "TestEnvironment.h"
#include "WaitFor.h"
#include "catalogue/ToneRules.h"
#include "platform/linux/FontTextMeasurer.h"

#include <QFile>
#include <QGuiApplication>
#include <QSemaphore>
#include <QSet>
#include <QTest>
#include <QtConcurrent>
#include <nlohmann/json.hpp>

Q_DECLARE_METATYPE(Tone)

namespace {

const QString emojiTestPath = QStringLiteral("/usr/share/unicode/emoji/emoji-test.txt");

bool isModifier(char32_t scalar) {
    return scalar >= 0x1F3FB && scalar <= 0x1F3FF;
}

// Without modifiers and variation selectors: the same for all forms of an emoji.
QString baseKey(QList<char32_t> scalars) {
    scalars.removeIf([](char32_t scalar) { return isModifier(scalar) || scalar == 0xFE0F; });
    return QString::fromUcs4(scalars.constData(), scalars.size());
}

QString baseKey(const QString& symbol) {
    const QList<uint> scalars = symbol.toUcs4();
    return baseKey(QList<char32_t>(scalars.cbegin(), scalars.cend()));
}

// The emoji that emoji-test.txt lists in toned forms, by base key.
QSet<QString> tonedInEmojiTest(const QByteArray& content) {
    QSet<QString> keys;
    for (const QByteArray& line : content.split('\n')) {
        const qsizetype semicolon = line.indexOf(';');
        if (line.startsWith('#') || semicolon < 0)
            continue;
        QList<char32_t> scalars;
        for (const QByteArray& codePoint : line.left(semicolon).simplified().split(' '))
            scalars << char32_t(codePoint.toUInt(nullptr, 16));
        if (std::any_of(scalars.cbegin() + 1, scalars.cend(), isModifier))
            keys.insert(baseKey(scalars));
    }
    return keys;
}

// The sequences emoji-test.txt lists as fully-qualified.
QSet<QString> fullyQualifiedInEmojiTest(const QByteArray& content) {
    QSet<QString> sequences;
    for (const QByteArray& line : content.split('\n')) {
        const qsizetype semicolon = line.indexOf(';');
        if (line.startsWith('#') || semicolon < 0 ||
            !line.mid(semicolon + 1).trimmed().startsWith("fully-qualified"))
            continue;
        QList<char32_t> scalars;
        for (const QByteArray& codePoint : line.left(semicolon).simplified().split(' '))
            scalars << char32_t(codePoint.toUInt(nullptr, 16));
        sequences.insert(QString::fromUcs4(scalars.constData(), scalars.size()));
    }
    return sequences;
}

QStringList catalogueSymbols() {
    QFile file(QStringLiteral(TESSELLE_SOURCE_RESOURCES "/emojis.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList symbols;
    for (const auto& record : nlohmann::json::parse(file.readAll().toStdString()))
        symbols << QString::fromStdString(record.at("emoji").get<std::string>());
    return symbols;
}

// How many times this process maps the emoji font file: once per thread that
// holds Qt fonts of it.
int emojiFontMappings() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return -1;
    QSet<QByteArray> starts;
    for (const QByteArray& line : maps.readAll().split('\n'))
        if (line.endsWith("/NotoColorEmoji.ttf"))
            starts.insert(line.left(line.indexOf('-')));
    return int(starts.size());
}

QString scalars(std::initializer_list<char32_t> codePoints) {
    return QString::fromUcs4(codePoints.begin(), qsizetype(codePoints.size()));
}

} // namespace

class FontTextMeasurerTest : public QObject {
    Q_OBJECT

    // The catalogue's symbols, measured once for all the cases that go through
    // them, as the program measures them once per run.
    const FontTextMeasurer m_catalogueMeasurer;

private slots:
    void oneGlyphMeasuresAsThumbsUpAndTwoDoNot_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("asThumbsUp");
        QTest::newRow("a toned thumbs up") << scalars({0x1F44D, 0x1F3FF}) << true;
        QTest::newRow("a base drawn as text by other fonts, toned")
            << scalars({0x270C, 0x1F3FB}) << true;
        QTest::newRow("a toned sequence with a sign")
            << scalars({0x1F9D4, 0x1F3FB, 0x200D, 0x2642, 0xFE0F}) << true;
        QTest::newRow("a flag beside a modifier") << scalars({0x1F1E9, 0x1F1EA, 0x1F3FB}) << false;
        QTest::newRow("a dog beside a modifier") << scalars({0x1F436, 0x1F3FB}) << false;
    }
    void oneGlyphMeasuresAsThumbsUpAndTwoDoNot() {
        QFETCH(QString, text);
        QFETCH(bool, asThumbsUp);
        const FontTextMeasurer measurer;
        QCOMPARE(measurer.size(text) == measurer.size(QStringLiteral("👍")), asThumbsUp);
    }

    // The records that take a tone are those emoji-test.txt lists in toned
    // forms, except where the tone rules build a form the font cannot join.
    void recordsTakeATonePreciselyWhereTheFontJoinsTheirTonedForm() {
        QFile emojiTest(emojiTestPath);
        if (!emojiTest.open(QIODevice::ReadOnly))
            QSKIP("needs emoji-test.txt of the package unicode-data");
        const QSet<QString> listed = tonedInEmojiTest(emojiTest.readAll());
        const QStringList symbols = catalogueSymbols();
        QCOMPARE(symbols.size(), 1870);

        const FontTextMeasurer& measurer = m_catalogueMeasurer;
        int tonedThere = 0;
        QStringList untonedHere;
        QStringList tonedHere;
        for (const QString& symbol : symbols) {
            const bool there = listed.contains(baseKey(symbol));
            const bool here = supportsSkinTone(measurer, symbol);
            tonedThere += there;
            if (there && !here)
                untonedHere << symbol;
            if (here && !there)
                tonedHere << symbol;
        }
        QCOMPARE(tonedThere, 305);
        // Only the first person is toned; Unicode tones both.
        const QStringList firstPersonOnly{
            "🧑‍🤝‍🧑",          "👩‍❤️‍💋‍👨",
            "👨‍❤️‍💋‍👨", "👩‍❤️‍💋‍👩",
            "👩‍❤️‍👨",        "👨‍❤️‍👨",
            "👩‍❤️‍👩"};
        QCOMPARE(untonedHere, firstPersonOnly);
        // The font also draws toned wrestlers, which Unicode does not list:
        // they take no tone here.
        QCOMPARE(tonedHere, QStringList());
    }

    // What the grid, the tone row, the clipboard and the installed shortcuts
    // get for a record that takes a tone.
    void everyTonedFormIsAFullyQualifiedSequenceAndUntonesToTheRecord_data() {
        QTest::addColumn<Tone>("tone");
        QTest::newRow("light") << Tone::light;
        QTest::newRow("medium light") << Tone::mediumLight;
        QTest::newRow("medium") << Tone::medium;
        QTest::newRow("medium dark") << Tone::mediumDark;
        QTest::newRow("dark") << Tone::dark;
    }
    void everyTonedFormIsAFullyQualifiedSequenceAndUntonesToTheRecord() {
        QFETCH(Tone, tone);
        QFile emojiTest(emojiTestPath);
        if (!emojiTest.open(QIODevice::ReadOnly))
            QSKIP("needs emoji-test.txt of the package unicode-data");
        const QSet<QString> fullyQualified = fullyQualifiedInEmojiTest(emojiTest.readAll());
        const FontTextMeasurer& measurer = m_catalogueMeasurer;
        int toned = 0;
        QStringList notFullyQualified;
        QStringList notUntoned;
        for (const QString& symbol : catalogueSymbols()) {
            if (!supportsSkinTone(measurer, symbol))
                continue;
            ++toned;
            const QString form = makeEmoji(measurer, {symbol, {}, {}, {}, {}}, tone).symbol;
            QCOMPARE(skinToneVariants(symbol)[rawValue(tone)], form);
            if (!fullyQualified.contains(form))
                notFullyQualified << symbol + " -> " + form;
            const QStringList variants = skinToneVariants(form);
            if (removeSkinTone(form) != symbol || variants.first() != symbol ||
                variants.mid(1) != skinToneVariants(symbol).mid(1))
                notUntoned << form + " -> " + removeSkinTone(form);
        }
        QCOMPARE(notFullyQualified, QStringList());
        QCOMPARE(notUntoned, QStringList());
        // Unicode's 305 less the seven couples, of which only the first person
        // would be toned.
        QCOMPARE(toned, 298);
    }

    void sizesMeasuredOnWorkerThreadsEqualThoseOfTheMainThread() {
        QStringList texts;
        for (const QString& symbol : catalogueSymbols().first(300))
            texts << applyTone(Tone::light, symbol);
        const FontTextMeasurer shared;
        const QList<QSizeF> onWorkers = QtConcurrent::blockingMapped(
            texts, [&shared](const QString& text) { return shared.size(text); });
        const FontTextMeasurer onMain;
        for (qsizetype index = 0; index < texts.size(); ++index)
            QCOMPARE(onWorkers[index], onMain.size(texts[index]));
    }

    // The background thread lives for the whole run: a font it used would
    // stay mapped beside the main thread's.
    void measuringOffTheMainThreadLeavesTheFontMappedOnlyForTheMainThread() {
        const FontTextMeasurer measurer(std::chrono::milliseconds(20));
        measurer.size(QStringLiteral("👍"));
        const int onMain = emojiFontMappings();
        QCOMPARE_GE(onMain, 1);
        QSemaphore measured;
        QSemaphore released;
        std::unique_ptr<QThread> background(QThread::create([&] {
            for (const QString& symbol : catalogueSymbols().first(50))
                measurer.size(applyTone(Tone::medium, symbol));
            measured.release();
            released.acquire();
        }));
        background->start();
        measured.acquire();
        const bool ended = waitUntil([&] { return !measurer.isMeasuringOffMainThread(); });
        const int afterwards = emojiFontMappings();
        released.release();
        background->wait();
        QVERIFY(ended);
        QCOMPARE(afterwards, onMain);
    }
};

TESSELLE_TEST_MAIN(FontTextMeasurerTest, QGuiApplication)
#include "tst_fonttextmeasurer.moc"

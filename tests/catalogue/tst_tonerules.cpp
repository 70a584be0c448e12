#include "FakeTextMeasurer.h"
#include "TestEnvironment.h"
#include "catalogue/Family.h"
#include "catalogue/Gender.h"
#include "catalogue/ToneRules.h"

#include <QTest>
#include <nlohmann/json.hpp>

Q_DECLARE_METATYPE(Tone)
Q_DECLARE_METATYPE(std::optional<Tone>)

namespace {

QString scalars(std::initializer_list<char32_t> codePoints) {
    return QString::fromUcs4(codePoints.begin(), qsizetype(codePoints.size()));
}

const QString thumbsUp = scalars({0x1F44D});
const QString indexUp = scalars({0x261D, 0xFE0F});
const QString flag = scalars({0x1F1E9, 0x1F1EA});
const QString wrestlers = scalars({0x1F93C});
const QString familyMwg = scalars({0x1F468, 0x200D, 0x1F469, 0x200D, 0x1F467});

} // namespace

class ToneRulesTest : public QObject {
    Q_OBJECT

private slots:
    void applyTonePutsTheModifierAfterTheFirstScalar_data() {
        QTest::addColumn<Tone>("tone");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("expected");
        QTest::newRow("yellow leaves a symbol unchanged") << Tone::yellow << thumbsUp << thumbsUp;
        QTest::newRow("yellow leaves a toned symbol unchanged")
            << Tone::yellow << scalars({0x1F44D, 0x1F3FD}) << scalars({0x1F44D, 0x1F3FD});
        QTest::newRow("dark tones thumbs up")
            << Tone::dark << thumbsUp << scalars({0x1F44D, 0x1F3FF});
        QTest::newRow("a second tone replaces the first instead of adding one")
            << Tone::light << scalars({0x1F44D, 0x1F3FF}) << scalars({0x1F44D, 0x1F3FB});
        QTest::newRow("medium appends to a one-scalar symbol")
            << Tone::medium << scalars({0x1F44B}) << scalars({0x1F44B, 0x1F3FD});
        QTest::newRow("the modifier takes the place of a variation selector")
            << Tone::light << indexUp << scalars({0x261D, 0x1F3FB});
        QTest::newRow("the modifier takes the place of the first variation selector only")
            << Tone::dark << scalars({0x1F575, 0xFE0F, 0x200D, 0x2640, 0xFE0F})
            << scalars({0x1F575, 0x1F3FF, 0x200D, 0x2640, 0xFE0F});
        QTest::newRow("a form toned before its variation selector gets Unicode's form")
            << Tone::medium << scalars({0x270C, 0x1F3FB, 0xFE0F}) << scalars({0x270C, 0x1F3FD});
        QTest::newRow("only the first person of a family is toned")
            << Tone::light << familyMwg
            << scalars({0x1F468, 0x1F3FB, 0x200D, 0x1F469, 0x200D, 0x1F467});
        QTest::newRow("a modifier at another position stays")
            << Tone::light << scalars({0x1F9D1, 0x1F3FD, 0x200D, 0x1F91D, 0x200D, 0x1F9D1, 0x1F3FF})
            << scalars({0x1F9D1, 0x1F3FB, 0x200D, 0x1F91D, 0x200D, 0x1F9D1, 0x1F3FF});
        QTest::newRow("an empty symbol stays empty") << Tone::dark << QString() << QString();
    }
    void applyTonePutsTheModifierAfterTheFirstScalar() {
        QFETCH(Tone, tone);
        QFETCH(QString, symbol);
        QFETCH(QString, expected);
        QCOMPARE(applyTone(tone, symbol), expected);
    }

    void skinToneVariantsAreTheUntonedFormThenFiveToned_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QStringList>("expected");
        const QStringList thumbs{thumbsUp,
                                 scalars({0x1F44D, 0x1F3FB}),
                                 scalars({0x1F44D, 0x1F3FC}),
                                 scalars({0x1F44D, 0x1F3FD}),
                                 scalars({0x1F44D, 0x1F3FE}),
                                 scalars({0x1F44D, 0x1F3FF})};
        QTest::newRow("from a toned symbol") << scalars({0x1F44D, 0x1F3FD}) << thumbs;
        QTest::newRow("from the untoned symbol") << thumbsUp << thumbs;
        const QStringList index{indexUp,
                                scalars({0x261D, 0x1F3FB}),
                                scalars({0x261D, 0x1F3FC}),
                                scalars({0x261D, 0x1F3FD}),
                                scalars({0x261D, 0x1F3FE}),
                                scalars({0x261D, 0x1F3FF})};
        QTest::newRow("a base drawn as text gets its variation selector back untoned")
            << scalars({0x261D, 0x1F3FE}) << index;
        QTest::newRow("a base drawn as text, from its untoned form") << indexUp << index;
        const QString golfer = scalars({0x1F3CC, 0xFE0F, 0x200D, 0x2642, 0xFE0F});
        QTest::newRow("a sequence on a base drawn as text")
            << scalars({0x1F3CC, 0x1F3FB, 0x200D, 0x2642, 0xFE0F})
            << QStringList{golfer,
                           scalars({0x1F3CC, 0x1F3FB, 0x200D, 0x2642, 0xFE0F}),
                           scalars({0x1F3CC, 0x1F3FC, 0x200D, 0x2642, 0xFE0F}),
                           scalars({0x1F3CC, 0x1F3FD, 0x200D, 0x2642, 0xFE0F}),
                           scalars({0x1F3CC, 0x1F3FE, 0x200D, 0x2642, 0xFE0F}),
                           scalars({0x1F3CC, 0x1F3FF, 0x200D, 0x2642, 0xFE0F})};
        QTest::newRow("a form toned before its variation selector")
            << scalars({0x270D, 0x1F3FB, 0xFE0F})
            << QStringList{scalars({0x270D, 0xFE0F}),  scalars({0x270D, 0x1F3FB}),
                           scalars({0x270D, 0x1F3FC}), scalars({0x270D, 0x1F3FD}),
                           scalars({0x270D, 0x1F3FE}), scalars({0x270D, 0x1F3FF})};
    }
    void skinToneVariantsAreTheUntonedFormThenFiveToned() {
        QFETCH(QString, symbol);
        QFETCH(QStringList, expected);
        QCOMPARE(skinToneVariants(symbol), expected);
    }

    void supportsSkinToneWhenTheLightFormIsOneGlyph_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<bool>("expected");
        QTest::newRow("a base the font tones") << indexUp << true;
        QTest::newRow("an already toned base") << scalars({0x261D, 0x1F3FF}) << true;
        QTest::newRow("a flag draws the modifier beside it") << flag << false;
        QTest::newRow("wrestlers, of which Unicode lists no toned form") << wrestlers << false;
        QTest::newRow("an empty symbol") << QString() << false;
    }
    void supportsSkinToneWhenTheLightFormIsOneGlyph() {
        QFETCH(QString, symbol);
        QFETCH(bool, expected);
        // The font draws toned wrestlers as one glyph, too.
        const FakeTextMeasurer measurer({indexUp, wrestlers});
        QCOMPARE(supportsSkinTone(measurer, symbol), expected);
    }

    void makeEmojiShowsTheDefaultTone_data() {
        QTest::addColumn<QString>("emoji");
        QTest::addColumn<std::optional<Tone>>("tone");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no tone keeps the record's symbol")
            << thumbsUp << std::optional<Tone>() << thumbsUp;
        QTest::newRow("yellow keeps the record's symbol")
            << thumbsUp << std::optional(Tone::yellow) << thumbsUp;
        QTest::newRow("dark tones a symbol that takes tones")
            << thumbsUp << std::optional(Tone::dark) << scalars({0x1F44D, 0x1F3FF});
        QTest::newRow("dark leaves a flag") << flag << std::optional(Tone::dark) << flag;
    }
    void makeEmojiShowsTheDefaultTone() {
        QFETCH(QString, emoji);
        QFETCH(std::optional<Tone>, tone);
        QFETCH(QString, expected);
        const FakeTextMeasurer measurer;
        const EmojiRecord record{emoji, "description", "Flags", {"alias"}, {"tag"}};
        const Emoji made = makeEmoji(measurer, record, tone);
        QCOMPARE(made.symbol, expected);
        QCOMPARE(made.description, record.description);
        QCOMPARE(made.aliases, record.aliases);
        QCOMPARE(made.tags, record.tags);
        QVERIFY(made != makeEmoji(measurer, record, tone));
    }

    void rawValuesConstructOnlyTheirCase() {
        QCOMPARE(toneFromRawValue(5), Tone::dark);
        QCOMPARE(toneFromRawValue(6), std::nullopt);
        QCOMPARE(toneFromRawValue(-1), std::nullopt);
        QCOMPARE(genderFromRawValue(scalars({0x1F469})), Gender::female);
        QCOMPARE(genderFromRawValue(scalars({0x1F9D2})), std::nullopt);
        QCOMPARE(familyFromRawValue(scalars({0x1F46A})), Family::nnn);
        QCOMPARE(familyFromRawValue(familyMwg), Family::mwg);
        QCOMPARE(familyFromRawValue(scalars({0x1F468, 0x1F3FB, 0x200D, 0x1F467})), std::nullopt);
    }

    void jsonDecodingAcceptsOnlyRawValues_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("decodes");
        QTest::newRow("a tone from its integer") << QByteArray("3") << true;
        QTest::newRow("a tone from a string") << QByteArray("\"3\"") << false;
        QTest::newRow("a tone from true") << QByteArray("true") << false;
        QTest::newRow("a tone from a fraction") << QByteArray("2.5") << false;
        QTest::newRow("a tone out of range") << QByteArray("6") << false;
        QTest::newRow("a tone whose low bits are in range") << QByteArray("4294967297") << false;
    }
    void jsonDecodingAcceptsOnlyRawValues() {
        QFETCH(QByteArray, json);
        QFETCH(bool, decodes);
        bool decoded = true;
        try {
            QCOMPARE(nlohmann::json::parse(json.toStdString()).get<Tone>(), Tone::medium);
        } catch (const nlohmann::json::exception&) {
            decoded = false;
        }
        QCOMPARE(decoded, decodes);
    }
};

TESSELLE_TEST_MAIN(ToneRulesTest, QCoreApplication)
#include "tst_tonerules.moc"

#include "Fakes.h"
#include "TestEnvironment.h"
#include "platform/MessageError.h"
#include "platform/linux/EspansoMatchFormat.h"
#include "platform/linux/EspansoReplacementService.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <yaml-cpp/yaml.h>

using Entries = QList<TextReplacementEntry>;

char* toString(const TextReplacementEntry& entry) {
    return QTest::toString(entry.shortcut + " -> " + entry.phrase);
}

namespace {

qsizetype ownHeaderLength() {
    const QByteArray empty = EspansoMatchFormat::write({});
    return empty.indexOf("matches:");
}

// What one call reported: how many times its completion ran, and with which code.
struct Outcome {
    int completions = 0;
    int code = 0;
    bool operator==(const Outcome&) const = default;
};
constexpr Outcome succeeded{1, 0};
constexpr Outcome failedWith(int code) {
    return {1, code};
}

char* toString(const Outcome& outcome) {
    return QTest::toString(
        QStringLiteral("%1 completion(s), code %2").arg(outcome.completions).arg(outcome.code));
}

TextReplacementService::Completion recordInto(Outcome& outcome) {
    return [&outcome](std::optional<TextReplacementError> error) {
        ++outcome.completions;
        outcome.code = error ? error->code : 0;
    };
}

Outcome addEntries(TextReplacementService& service, const Entries& add,
                   const Entries& remove = {}) {
    Outcome outcome;
    service.addEntries(add, remove, recordInto(outcome));
    return outcome;
}

Outcome modifyEntry(TextReplacementService& service, const TextReplacementEntry& original,
                    const TextReplacementEntry& replacement) {
    Outcome outcome;
    service.modifyEntry(original, replacement, recordInto(outcome));
    return outcome;
}

// The file as an independent YAML reader sees it, checking the layout of every
// entry on the way.
Entries parsedEntries(const QString& path) {
    Entries entries;
    const YAML::Node document = YAML::LoadFile(QFile::encodeName(path).toStdString());
    if (!document.IsMap() || document.size() != 1 || !document["matches"].IsSequence())
        return {{"<not a map holding only a matches list>", {}}};
    for (const YAML::Node& match : document["matches"]) {
        if (!match.IsMap() || match.size() != 3 || !match["word"].as<bool>(false))
            return {{"<an entry without exactly trigger, replace and word: true>", {}}};
        entries.append({QString::fromStdString(match["trigger"].as<std::string>()),
                        QString::fromStdString(match["replace"].as<std::string>())});
    }
    return entries;
}

// Line breaks only between lines, and only characters that YAML 1.1 readers such
// as espanso's accept unescaped and do not take as line breaks.
bool holdsOnlyPlainCharacters(const QByteArray& content) {
    const QList<uint> characters = QString::fromUtf8(content).toUcs4();
    return std::all_of(characters.begin(), characters.end(), [](uint c) {
        return c == '\n' || (c >= 0x20 && c <= 0x7E) ||
               (c >= 0xA0 && c <= 0xD7FF && c != 0x2028 && c != 0x2029) ||
               (c >= 0xE000 && c <= 0xFFFD && c != 0xFEFF) || c >= 0x10000;
    });
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Identity and content: a rewrite, even of the same bytes, gives a new inode.
QString fingerprint(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("<missing>");
    // Reading a pipe would wait for a writer.
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("%1 not a file").arg(info.st_ino);
    return QStringLiteral("%1 %2.%3 ")
               .arg(info.st_ino)
               .arg(info.st_mtim.tv_sec)
               .arg(info.st_mtim.tv_nsec) +
           QString::fromLatin1(contentOf(path).toHex());
}

const TextReplacementEntry a{"/a", "🅰️"};
const TextReplacementEntry b{"/b", "🅱️"};
const TextReplacementEntry c{"/c", "©️"};
const TextReplacementEntry aWithB{"/a", "🅱️"};
const TextReplacementEntry bWithA{"/b", "🅰️"};

// The program's own file holding a and b.
const QByteArray ownAB = EspansoMatchFormat::write({a, b});

} // namespace

class EspansoReplacementServiceTest : public QObject {
    Q_OBJECT

    QString folder() const { return m_root->path() + "/espanso/match"; }
    QString matchFile() const { return folder() + "/tesselle.yml"; }
    QStringList folderListing() const {
        return QDir(folder()).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<EspansoReplacementService> m_service;

private slots:
    void init() {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        m_service = std::make_unique<EspansoReplacementService>(matchFile(), discardedLines());
    }
    void cleanup() {
        m_service.reset();
        // Let a test that made folders unwritable be cleaned up.
        QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_root.reset();
    }

    void writtenFileIsAGeneratedMatchListInOrder() {
        QCOMPARE(addEntries(*m_service, {b, a}), succeeded);
        QCOMPARE(addEntries(*m_service, {c}), succeeded);

        QCOMPARE(parsedEntries(matchFile()), Entries({b, a, c}));
        const QByteArray firstLine = contentOf(matchFile()).split('\n').first();
        QVERIFY2(firstLine.startsWith("# Generated by Tesselle"), firstLine.constData());
        QCOMPARE(EspansoReplacementService(matchFile(), discardedLines()).currentEntries(),
                 Entries({b, a, c}));
    }

    void anyTextRoundTrips_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("a colon followed by a space") << "/a: b";
        QTest::newRow("a hash after a space and a leading hash") << "#tag #b";
        QTest::newRow("double and single quotes") << "\"it's\"";
        QTest::newRow("backslashes and text that looks like escapes") << R"(C:\new\x41\u2028\)";
        QTest::newRow("a leading dash") << "- item";
        QTest::newRow("a leading star") << "*alias";
        QTest::newRow("a leading ampersand") << "&anchor";
        QTest::newRow("a leading exclamation mark, percent sign and at sign") << "!%@`";
        QTest::newRow("flow brackets and braces") << "{[a, b]}";
        QTest::newRow("block scalar indicators") << "| >-";
        QTest::newRow("document markers on their own lines") << "---\n...\n";
        QTest::newRow("a line break") << "one\ntwo";
        QTest::newRow("a carriage return and a tab") << "one\r\n\ttwo";
        QTest::newRow("leading and trailing spaces") << "  spaced  ";
        QTest::newRow("only spaces") << "   ";
        QTest::newRow("the empty text") << "";
        QTest::newRow("words YAML reads as null, true and numbers") << "null";
        QTest::newRow("a tilde") << "~";
        QTest::newRow("a hexadecimal number") << "0x1F";
        QTest::newRow("an emoji sequence with joiners and skin tones")
            << "👩🏽‍❤️‍💋‍👨🏿";
        QTest::newRow("control characters and a NUL")
            << QString::fromUtf16(u"\u0001a\u001Bb\u007F") + QChar(0) + "c";
        QTest::newRow("characters older YAML readers take as line breaks")
            << QString::fromUtf16(u"a\u2028b\u2029c\u0085d");
        QTest::newRow("a byte order mark and non-characters")
            << QString::fromUtf16(u"\uFEFFa\uFFFE\uFFFF");
        QTest::newRow("C1 control characters") << QString::fromUtf16(u"\u0080\u009F\u00A0");
    }
    void anyTextRoundTrips() {
        QFETCH(QString, text);
        const Entries entries{{text, "💃"}, {"/s", text}};

        QCOMPARE(addEntries(*m_service, entries), succeeded);

        QCOMPARE(parsedEntries(matchFile()), entries);
        QCOMPARE(EspansoReplacementService(matchFile(), discardedLines()).currentEntries(),
                 entries);
        QVERIFY(holdsOnlyPlainCharacters(contentOf(matchFile())));
    }

    void randomTextsRoundTrip() {
        const QList<char32_t> alphabet = {0,      1,      '\t',   '\n',    '\r',    ' ',     '"',
                                          '\'',   '\\',   ':',    '#',     '-',     '&',     '*',
                                          'x',    'u',    '{',    0x7F,    0x85,    0x9F,    0xA0,
                                          0xE9,   0x2028, 0x2029, 0x200D,  0xFE0F,  0xFEFF,  0xFFFE,
                                          0xFFFF, 0xD7FF, 0xE000, 0x1F483, 0x1F3FD, 0x10FFFF};
        QRandomGenerator random(20261207);
        const auto randomText = [&] {
            QList<char32_t> codePoints(random.bounded(13));
            for (char32_t& codePoint : codePoints)
                codePoint = alphabet[random.bounded(int(alphabet.size()))];
            return QString::fromUcs4(codePoints.constData(), codePoints.size());
        };
        Entries entries;
        for (int i = 0; i < 300; ++i)
            entries.append({randomText(), randomText()});

        QCOMPARE(addEntries(*m_service, entries), succeeded);

        QCOMPARE(parsedEntries(matchFile()), entries);
        QCOMPARE(EspansoReplacementService(matchFile(), discardedLines()).currentEntries(),
                 entries);
        QVERIFY(holdsOnlyPlainCharacters(contentOf(matchFile())));
    }

    void anEmptyFileIsAnEmptyListOfTheProgramsOwn_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("a missing file") << QByteArray();
        QTest::newRow("an empty file") << QByteArray("");
        QTest::newRow("a list the program emptied") << EspansoMatchFormat::write({});
    }
    void anEmptyFileIsAnEmptyListOfTheProgramsOwn() {
        QFETCH(QByteArray, content);
        if (!content.isNull())
            writeFile(matchFile(), content);

        QCOMPARE(m_service->currentEntries(), Entries());
        QCOMPARE(addEntries(*m_service, {c}), succeeded);
        QCOMPARE(parsedEntries(matchFile()), Entries{c});
        QCOMPARE(folderListing(), QStringList{"tesselle.yml"});
    }

    // Another run of the program, reading the list a quit emptied, must not
    // take it as a list to extend: "matches: []" followed by entries is no YAML.
    void aNewServiceAddsToAListEmptiedEarlier() {
        QCOMPARE(addEntries(*m_service, {a, b}), succeeded);
        QCOMPARE(addEntries(*m_service, {}, {a, b}), succeeded);
        EspansoReplacementService later(matchFile(), discardedLines());

        QCOMPARE(addEntries(later, {c}), succeeded);
        QCOMPARE(addEntries(later, {a}), succeeded);

        QCOMPARE(parsedEntries(matchFile()), Entries({c, a}));
    }

    void whatTheProgramDidNotWriteIsKeptAsideExactlyBeforeTheFirstWrite_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("a file in another layout, with other keys")
            << "file"
            << QByteArray("matches:\n"
                          "  - trigger: /a\n"
                          "    replace: '🅰️'\n"
                          "    label: letter\n");
        QTest::newRow("variables, a regex and a form")
            << "file"
            << QByteArray("global_vars:\n  - name: now\n    type: date\n"
                          "matches:\n"
                          "  - regex: \"=(?P<sum>.*)=\"\n    replace: \"{{sum}}\"\n"
                          "  - trigger: /form\n    form: \"Hi [[name]]\"\n");
        QTest::newRow("a list of triggers") << "file"
                                            << QByteArray("matches:\n"
                                                          "  - triggers: [/a, /aa]\n"
                                                          "    replace: A\n");
        QTest::newRow("the program's layout without its header")
            << "file" << EspansoMatchFormat::write({a}).sliced(ownHeaderLength());
        QTest::newRow("the program's header over a comment of the user's")
            << "file" << EspansoMatchFormat::write({a}) + "# my note\n";
        QTest::newRow("only comments") << "file" << QByteArray("# nothing yet\n");
        QTest::newRow("a link to the user's base.yml") << "link" << QByteArray("matches: []\n");
        QTest::newRow("a folder") << "folder" << QByteArray();
        QTest::newRow("a pipe") << "pipe" << QByteArray();
        QTest::newRow("a file of another user") << "other owner" << ownAB;
    }
    void whatTheProgramDidNotWriteIsKeptAsideExactlyBeforeTheFirstWrite() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QVERIFY(QDir().mkpath(folder()));
        const QString base = folder() + "/base.yml";
        if (kind == "file" || kind == "other owner") {
            writeFile(matchFile(), content);
        } else if (kind == "link") {
            writeFile(base, content);
            QVERIFY(QFile::link(base, matchFile()));
        } else if (kind == "folder") {
            QVERIFY(QDir().mkpath(matchFile() + "/inside"));
        } else {
            QCOMPARE(::mkfifo(QFile::encodeName(matchFile()).constData(), 0600), 0);
        }
        if (kind == "other owner") {
            if (::geteuid() != 0)
                QSKIP("Only the superuser can give a file to another user");
            QCOMPARE(::chown(QFile::encodeName(matchFile()).constData(), 65534, 65534), 0);
        }
        const QString before = fingerprint(matchFile());
        RecordingLineOutput output;
        EspansoReplacementService service(matchFile(), output);

        QCOMPARE(service.currentEntries(), Entries());
        QCOMPARE(addEntries(service, {}, {a}), succeeded);
        QCOMPARE(fingerprint(matchFile()), before);
        QCOMPARE(addEntries(service, {c}), succeeded);

        QCOMPARE(parsedEntries(matchFile()), Entries{c});
        QStringList listing = folderListing();
        listing.removeAll("tesselle.yml");
        listing.removeAll("base.yml");
        QCOMPARE(listing.size(), 1);
        const QString kept = folder() + '/' + listing.first();
        QVERIFY2(QRegularExpression(R"(^tesselle\.yml\.kept-\d{8}T\d{6}Z$)")
                     .match(listing.first())
                     .hasMatch(),
                 qPrintable(listing.first()));
        const QFileInfo keptInfo(kept);
        QCOMPARE(keptInfo.isSymLink(), kind == "link");
        if (kind == "link") {
            QCOMPARE(keptInfo.symLinkTarget(), base);
            QCOMPARE(contentOf(base), content);
        } else if (kind != "pipe") {
            QCOMPARE(fingerprint(kept), before);
        }
        QCOMPARE(output.lines().size(), 1);
        QVERIFY2(output.lines().first().contains(kept), qPrintable(output.lines().first()));
    }

    void addAndRemove_data() {
        QTest::addColumn<Entries>("initial");
        QTest::addColumn<Entries>("add");
        QTest::addColumn<Entries>("remove");
        QTest::addColumn<Entries>("expected");
        QTest::newRow("an add appends in the order given")
            << Entries{b} << Entries{c, a} << Entries() << Entries{b, c, a};
        QTest::newRow("an add of an entry already there appends it again")
            << Entries{a} << Entries{a} << Entries() << Entries{a, a};
        QTest::newRow("a remove deletes every entry equal in shortcut and phrase")
            << Entries{a, b, a} << Entries() << Entries{a} << Entries{b};
        QTest::newRow("a remove keeps the same shortcut with another phrase")
            << Entries{a, aWithB} << Entries() << Entries{a} << Entries{aWithB};
        QTest::newRow("a remove keeps the same phrase with another shortcut")
            << Entries{a, bWithA} << Entries() << Entries{a} << Entries{bWithA};
        QTest::newRow("one call removes first, then appends")
            << Entries{a, b} << Entries{a} << Entries{a} << Entries{b, a};
        QTest::newRow("removing every entry leaves an empty list")
            << Entries{a, b} << Entries() << Entries{b, a} << Entries();
    }
    void addAndRemove() {
        QFETCH(Entries, initial);
        QFETCH(Entries, add);
        QFETCH(Entries, remove);
        QFETCH(Entries, expected);
        QCOMPARE(addEntries(*m_service, initial), succeeded);

        QCOMPARE(addEntries(*m_service, add, remove), succeeded);

        QCOMPARE(parsedEntries(matchFile()), expected);
        QCOMPARE(EspansoReplacementService(matchFile(), discardedLines()).currentEntries(),
                 expected);
    }

    void modifyChangesOnlyTheFirstEqualEntry_data() {
        QTest::addColumn<Entries>("initial");
        QTest::addColumn<TextReplacementEntry>("original");
        QTest::addColumn<TextReplacementEntry>("replacement");
        QTest::addColumn<Entries>("expected");
        QTest::newRow("the first of two equal entries changes, in its place")
            << Entries{b, a, c, a} << a << aWithB << Entries{b, aWithB, c, a};
        QTest::newRow("an entry with the same shortcut and another phrase is not the original")
            << Entries{aWithB, a} << a << c << Entries{aWithB, c};
    }
    void modifyChangesOnlyTheFirstEqualEntry() {
        QFETCH(Entries, initial);
        QFETCH(TextReplacementEntry, original);
        QFETCH(TextReplacementEntry, replacement);
        QFETCH(Entries, expected);
        QCOMPARE(addEntries(*m_service, initial), succeeded);

        QCOMPARE(modifyEntry(*m_service, original, replacement), succeeded);

        QCOMPARE(parsedEntries(matchFile()), expected);
    }

    void modifyOfAMissingEntryFailsWithItsCode_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("only the same shortcut with another phrase")
            << QByteArray("matches:\n- {trigger: /a, replace: \"🅱️\"}\n");
        QTest::newRow("a damaged file") << QByteArray("matches: [\n");
    }
    void modifyOfAMissingEntryFailsWithItsCode() {
        QFETCH(QByteArray, content);
        if (!content.isNull())
            writeFile(matchFile(), content);
        const QString before = fingerprint(matchFile());

        QCOMPARE(modifyEntry(*m_service, a, c), failedWith(EspansoReplacementService::NoSuchEntry));

        QCOMPARE(m_service->errorString(EspansoReplacementService::NoSuchEntry),
                 "The entry to change is not in the espanso match file " + matchFile());
        QCOMPARE(fingerprint(matchFile()), before);
    }

    void changeThatChangesNothingWritesNothing_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Entries>("remove");
        QTest::addColumn<bool>("modifyToItself");
        QTest::newRow("nothing to add or remove, no file") << QByteArray() << Entries() << false;
        QTest::newRow("nothing to add or remove, a damaged file")
            << QByteArray("matches: [\n") << Entries() << false;
        QTest::newRow("removing entries that are not there")
            << ownAB << Entries{aWithB, c} << false;
        QTest::newRow("modifying an entry into itself") << ownAB << Entries() << true;
    }
    void changeThatChangesNothingWritesNothing() {
        QFETCH(QByteArray, content);
        QFETCH(Entries, remove);
        QFETCH(bool, modifyToItself);
        if (!content.isNull())
            writeFile(matchFile(), content);
        const QString before = fingerprint(matchFile());

        const Outcome outcome =
            modifyToItself ? modifyEntry(*m_service, a, a) : addEntries(*m_service, {}, remove);

        QCOMPARE(outcome, succeeded);
        QCOMPARE(fingerprint(matchFile()), before);
        QCOMPARE(folderListing(), content.isNull() ? QStringList() : QStringList{"tesselle.yml"});
    }

    // Kept aside in the same second as a file kept before, a file must take
    // another name: a plain rename would replace the one kept before.
    void aFileKeptAsideNeverReplacesOneKeptBefore() {
        QVERIFY(QDir().mkpath(folder()));
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QStringList keptBefore;
        for (int second = 0; second < 3; ++second) {
            keptBefore << matchFile() + ".kept-" +
                              now.addSecs(second).toString("yyyyMMdd'T'HHmmss'Z'");
            writeFile(keptBefore.last(), "kept before " + QByteArray::number(second));
        }
        const QByteArray mine("matches: []\n# mine\n");
        writeFile(matchFile(), mine);
        EspansoReplacementService service(matchFile(), discardedLines());
        QCOMPARE(addEntries(service, {c}), succeeded);
        for (int second = 0; second < 3; ++second)
            QCOMPARE(contentOf(keptBefore[second]), "kept before " + QByteArray::number(second));
        QStringList listing = folderListing();
        listing.removeAll("tesselle.yml");
        QCOMPARE(listing.size(), 4);
        int mineKept = 0;
        for (const QString& name : std::as_const(listing))
            mineKept += contentOf(folder() + '/' + name) == mine;
        QCOMPARE(mineKept, 1);
    }

    void damagedFileIsKeptAsideBeforeTheFirstWrite_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("an unclosed quote")
            << QByteArray("matches:\n  - trigger: \"/a\n    replace: \"A\"\n");
        QTest::newRow("an unclosed flow list") << QByteArray("matches: [/a, /b\n");
        QTest::newRow("broken indentation")
            << QByteArray("matches:\n  - trigger: /a\n replace: A\n");
        QTest::newRow("a list at the top") << QByteArray("- trigger: /a\n  replace: A\n");
        QTest::newRow("matches that are a text") << QByteArray("matches: hello\n");
    }
    void damagedFileIsKeptAsideBeforeTheFirstWrite() {
        QFETCH(QByteArray, content);
        writeFile(matchFile(), content);

        QCOMPARE(m_service->currentEntries(), Entries());
        QCOMPARE(addEntries(*m_service, {a}), succeeded);
        QCOMPARE(addEntries(*m_service, {b}), succeeded);

        QCOMPARE(parsedEntries(matchFile()), Entries({a, b}));
        const QStringList listing = folderListing();
        QCOMPARE(listing.size(), 2);
        QCOMPARE(listing.first(), "tesselle.yml");
        const QRegularExpression keptName(R"(^tesselle\.yml\.broken-\d{8}T\d{6}Z$)");
        QVERIFY2(keptName.match(listing.last()).hasMatch(), qPrintable(listing.last()));
        QCOMPARE(contentOf(folder() + '/' + listing.last()), content);
    }

    void otherFilesInTheFolderAreNeverTouched() {
        const QStringList others{"_private.yml", "base.yml", "notes.txt", "packages/pack/p.yml",
                                 "tesselle.yml.bak"};
        QStringList before;
        for (const QString& name : others) {
            writeFile(folder() + '/' + name, "matches:\n  - trigger: /x\n    replace: x\n");
            before << fingerprint(folder() + '/' + name);
        }
        writeFile(matchFile(), "matches: [\n");

        QCOMPARE(addEntries(*m_service, {a, b, c}), succeeded);
        QCOMPARE(modifyEntry(*m_service, b, aWithB), succeeded);
        QCOMPARE(modifyEntry(*m_service, b, a), failedWith(EspansoReplacementService::NoSuchEntry));
        QCOMPARE(addEntries(*m_service, {}, {a, c}), succeeded);

        QStringList after;
        for (const QString& name : others)
            after << fingerprint(folder() + '/' + name);
        QCOMPARE(after, before);
        QStringList listing = folderListing();
        QCOMPARE(listing.filter("tesselle.yml.broken-").size(), 1);
        listing.removeIf([](const QString& name) { return name.contains("broken-"); });
        QCOMPARE(listing, QStringList({"_private.yml", "base.yml", "notes.txt", "packages",
                                       "tesselle.yml", "tesselle.yml.bak"}));
    }

    void changeMadeByAnotherWriterIsSeen_data() {
        QTest::addColumn<bool>("inPlace");
        QTest::newRow("a new file renamed over it") << false;
        QTest::newRow("rewritten in place with the same size") << true;
    }
    void changeMadeByAnotherWriterIsSeen() {
        QFETCH(bool, inPlace);
        QCOMPARE(addEntries(*m_service, {a}), succeeded);
        QCOMPARE(m_service->currentEntries(), Entries{a});

        QByteArray content = contentOf(matchFile());
        content.replace("\"/a\"", "\"/b\"");
        if (inPlace) {
            QFile file(matchFile());
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.write(content);
        } else {
            writeFile(matchFile() + ".new", content);
            QVERIFY(::rename(QFile::encodeName(matchFile() + ".new").constData(),
                             QFile::encodeName(matchFile()).constData()) == 0);
        }

        QCOMPARE(m_service->currentEntries(), Entries{bWithA});
        QCOMPARE(addEntries(*m_service, {c}), succeeded);
        QCOMPARE(parsedEntries(matchFile()), Entries({bWithA, c}));
    }

    void failuresCarryTheirCodeAndTheSystemReason_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a file where the match folder belongs")
            << "folder is a file" << int(EspansoReplacementService::ReadFailed)
            << "Not a directory";
        QTest::newRow("the espanso folder is a link to nowhere")
            << "dangling link" << int(EspansoReplacementService::WriteFailed) << "File exists";
        QTest::newRow("the match folder is read-only")
            << "read-only folder" << int(EspansoReplacementService::WriteFailed)
            << "Permission denied";
    }
    void failuresCarryTheirCodeAndTheSystemReason() {
        QFETCH(QString, obstacle);
        QFETCH(int, code);
        QFETCH(QString, reason);
        if (obstacle == "folder is a file") {
            writeFile(folder(), "not a folder");
        } else if (obstacle == "dangling link") {
            QVERIFY(QFile::link(m_root->path() + "/nowhere", m_root->path() + "/espanso"));
        } else {
            if (::geteuid() == 0)
                QSKIP("The superuser writes into read-only folders");
            QVERIFY(QDir().mkpath(folder()));
            QVERIFY(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner));
        }

        QCOMPARE(addEntries(*m_service, {a}), failedWith(code));

        const QString verb = code == EspansoReplacementService::ReadFailed ? "read" : "write";
        QCOMPARE(m_service->errorString(code),
                 QStringLiteral("Could not %1 the espanso match file %2: %3")
                     .arg(verb, matchFile(), reason));
        // A list that cannot be read is a failure, never an empty list.
        if (code == EspansoReplacementService::ReadFailed) {
            QVERIFY_THROWS_EXCEPTION(MessageError, m_service->currentEntries());
        } else {
            QCOMPARE(m_service->currentEntries(), Entries());
        }
    }

    void completionMayCallBackIntoTheService() {
        Entries seen;
        m_service->addEntries({a}, {}, [&](auto) { seen = m_service->currentEntries(); });
        QCOMPARE(seen, Entries{a});
    }

    void changesFromSeveralThreadsAreAllKept() {
        constexpr int threads = 4;
        constexpr int perThread = 40;
        QList<QThread*> writers;
        for (int t = 0; t < threads; ++t) {
            writers << QThread::create([this, t] {
                for (int i = 0; i < perThread; ++i) {
                    const TextReplacementEntry entry{QStringLiteral("/%1-%2").arg(t).arg(i), "x"};
                    addEntries(*m_service, {entry});
                    m_service->currentEntries();
                }
            });
            writers.last()->start();
        }
        for (QThread* writer : writers) {
            QVERIFY(writer->wait(30000));
            delete writer;
        }

        const Entries entries = parsedEntries(matchFile());
        QCOMPARE(entries.size(), threads * perThread);
        for (int t = 0; t < threads; ++t) {
            const QString prefix = QStringLiteral("/%1-").arg(t);
            QStringList own;
            for (const TextReplacementEntry& entry : entries)
                if (entry.shortcut.startsWith(prefix))
                    own << entry.shortcut.mid(prefix.size());
            QStringList expected;
            for (int i = 0; i < perThread; ++i)
                expected << QString::number(i);
            QCOMPARE(own, expected);
        }
    }

    void defaultMatchFileFollowsXdgConfigHome_data() {
        QTest::addColumn<QByteArray>("configHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("XDG_CONFIG_HOME set")
            << QByteArray("/somewhere/config") << "/somewhere/config/espanso/match/tesselle.yml";
        QTest::newRow("XDG_CONFIG_HOME unset")
            << QByteArray() << QDir::homePath() + "/.config/espanso/match/tesselle.yml";
        QTest::newRow("a relative XDG_CONFIG_HOME is ignored")
            << QByteArray("relative/config")
            << QDir::homePath() + "/.config/espanso/match/tesselle.yml";
    }
    void defaultMatchFileFollowsXdgConfigHome() {
        QFETCH(QByteArray, configHome);
        QFETCH(QString, expected);
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        if (configHome.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", configHome);

        const QString path = EspansoReplacementService::defaultMatchFile();

        qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(path, expected);
    }
};

TESSELLE_TEST_MAIN(EspansoReplacementServiceTest, QCoreApplication)
#include "tst_espansoreplacementservice.moc"

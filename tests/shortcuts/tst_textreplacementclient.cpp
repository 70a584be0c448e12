#include "Fakes.h"
#include "RecordingReplacementService.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/MessageError.h"
#include "shortcuts/TextReplacementClient.h"

#include <QTest>

using Entries = QList<TextReplacementEntry>;
using Pairs = QList<Replacement>;
Q_DECLARE_METATYPE(Entries)
Q_DECLARE_METATYPE(Pairs)

namespace QTest {
template <> char* toString(const TextReplacementEntry& entry) {
    return qstrdup(qPrintable(entry.shortcut + " -> " + entry.phrase));
}
} // namespace QTest

class TextReplacementClientTest : public QObject {
    Q_OBJECT

    RecordingReplacementService service;
    RecordingLineOutput output;
    TextReplacementClient client{service, output};

    QString failureOf(QCoro::Task<> task) {
        try {
            waitForTask(std::move(task));
        } catch (const MessageError& error) {
            return error.message();
        }
        return {};
    }

    int modifyCalls() const {
        const auto calls = service.calls();
        return int(std::count_if(calls.cbegin(), calls.cend(),
                                 [](const auto& call) { return call.modify.has_value(); }));
    }

private slots:
    void init() {
        service.setEntries({});
        service.clearCalls();
    }

    void addingResolvesCollisionsByShortcutAndPhrase_data() {
        QTest::addColumn<Entries>("before");
        QTest::addColumn<Pairs>("pairs");
        QTest::addColumn<bool>("override");
        QTest::addColumn<Entries>("after");
        QTest::addColumn<int>("modifications");
        QTest::newRow("override rewrites a colliding entry in place and does not add it again")
            << Entries{{"/dance", "X"}} << Pairs{{"/dance", "💃"}} << true
            << Entries{{"/dance", "💃"}} << 1;
        QTest::newRow("without override a colliding entry stays and the pair is added beside it")
            << Entries{{"/dance", "X"}} << Pairs{{"/dance", "💃"}} << false
            << Entries{{"/dance", "X"}, {"/dance", "💃"}} << 0;
        QTest::newRow("pairs whose phrase a colliding entry holds are not added")
            << Entries{{"/dance", "💃"}} << Pairs{{"/dance", "💃"}, {"/dancer", "💃"}} << true
            << Entries{{"/dance", "💃"}} << 1;
        QTest::newRow("only colliding entries change, in list order")
            << Entries{{"/b", "B"}, {"/keep", "K"}, {"/a", "A"}}
            << Pairs{{"/a", "1"}, {"/b", "2"}, {"/new", "N"}} << true
            << Entries{{"/b", "2"}, {"/keep", "K"}, {"/a", "1"}, {"/new", "N"}} << 2;
        QTest::newRow("new pairs are added after what the list holds")
            << Entries{{"/x", "X"}} << Pairs{{"/y", "Y"}} << false
            << Entries{{"/x", "X"}, {"/y", "Y"}} << 0;
    }
    void addingResolvesCollisionsByShortcutAndPhrase() {
        QFETCH(Entries, before);
        QFETCH(Pairs, pairs);
        QFETCH(bool, override);
        QFETCH(Entries, after);
        QFETCH(int, modifications);
        service.setEntries(before);
        waitForTask(client.addReplacements(pairs, override));
        QCOMPARE(service.currentEntries(), after);
        QCOMPARE(modifyCalls(), modifications);
    }

    void aRequestWithARepeatedShortcutTouchesNothing() {
        QCOMPARE(failureOf(client.addReplacements({{"/a", "A"}, {"/a", "B"}}, false)),
                 "Trying to add duplicated shortcuts");
        QVERIFY(service.calls().isEmpty());
    }

    void additionsGoOutInExactly999Calls_data() {
        QTest::addColumn<int>("pairCount");
        QTest::addColumn<QList<int>>("firstGroupSizes");
        QTest::addColumn<int>("lastGroupSize");
        QTest::newRow("one pair: the first call holds it, 998 are empty")
            << 1 << QList<int>{1, 0, 0} << 0;
        QTest::newRow("2000 pairs: groups 0 and 1 hold three, the rest two")
            << 2000 << QList<int>{3, 3, 2} << 2;
    }
    void additionsGoOutInExactly999Calls() {
        QFETCH(int, pairCount);
        QFETCH(QList<int>, firstGroupSizes);
        QFETCH(int, lastGroupSize);
        Pairs pairs;
        for (int i = 0; i < pairCount; ++i)
            pairs.append({QStringLiteral("/s%1").arg(i), QStringLiteral("p%1").arg(i)});
        waitForTask(client.addReplacements(pairs, true));
        const auto calls = service.calls();
        QCOMPARE(calls.size(), 999);
        for (int group = 0; group < firstGroupSizes.size(); ++group)
            QCOMPARE(calls[group].add.size(), firstGroupSizes[group]);
        QCOMPARE(calls.last().add.size(), lastGroupSize);
        if (pairCount == 2000) {
            QCOMPARE(calls[0].add[1].shortcut, "/s999");
            QCOMPARE(calls[1].add[2].shortcut, "/s1999");
        }
        QCOMPARE(service.currentEntries().size(), pairCount);
    }

    void aFailingGroupStopsTheLaterOnes() {
        service.errorTexts.insert(3, "The list is full");
        service.failCall({3, {}, {}}, 4);
        QCOMPARE(failureOf(client.addReplacements({{"/a", "A"}}, false)), "The list is full");
        QCOMPARE(service.calls().size(), 5);
    }

    void aFailingModificationEndsTheAddition() {
        service.setEntries({{"/a", "old"}, {"/b", "old"}});
        service.errorTexts.insert(4, "Locked");
        service.failCall({4, {}, {}});
        QCOMPARE(failureOf(client.addReplacements({{"/a", "A"}, {"/b", "B"}, {"/c", "C"}}, true)),
                 "Locked");
        QCOMPARE(service.calls().size(), 1);
        QCOMPARE(service.currentEntries(), (Entries{{"/a", "old"}, {"/b", "old"}}));
    }

    void removalTakesEveryEntryOfAShortcutInOneCall() {
        service.setEntries({{"/x", "A"}, {"/y", "Y"}, {"/x", "B"}});
        waitForTask(client.removeReplacements({"/x"}));
        QCOMPARE(service.calls().size(), 1);
        QCOMPARE(service.calls()[0].remove, (Entries{{"/x", "A"}, {"/x", "B"}}));
        QCOMPARE(service.currentEntries(), (Entries{{"/y", "Y"}}));
        waitForTask(client.removeReplacements({"/absent"}));
        QCOMPARE(service.calls().size(), 1);
    }

    void anUnreadableListFailsInsteadOfPassingForEmpty() {
        service.setEntries({{"/x", "A"}});
        service.failReads("Could not read the list");
        QCOMPARE(failureOf(client.removeReplacements({"/x"})), "Could not read the list");
        QCOMPARE(failureOf(client.addReplacements({{"/y", "B"}}, true)), "Could not read the list");
        service.failReads({});
        QVERIFY(service.calls().isEmpty());
    }

    void storeErrorsBecomeMessages_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("deleteErrors");
        QTest::addColumn<int>("updateErrors");
        QTest::addColumn<QString>("message");
        QTest::newRow("code 0 counts as success") << 0 << 0 << 0 << QString();
        QTest::newRow("an error without nested errors gives its own text")
            << 5 << 0 << 0 << "Outer";
        QTest::newRow("nested errors give one line each, deletions first")
            << 5 << 2 << 1 << "Delete 1\nDelete 2\nUpdate 1";
    }
    void storeErrorsBecomeMessages() {
        QFETCH(int, code);
        QFETCH(int, deleteErrors);
        QFETCH(int, updateErrors);
        QFETCH(QString, message);
        service.errorTexts = {{5, "Outer"}, {11, "Delete 1"}, {12, "Delete 2"}, {21, "Update 1"}};
        TextReplacementError error{code, {}, {}};
        for (int i = 1; i <= deleteErrors; ++i)
            error.deleteErrors.push_back({10 + i, {}, {}});
        for (int i = 1; i <= updateErrors; ++i)
            error.updateErrors.push_back({20 + i, {}, {}});
        service.setEntries({{"/x", "A"}});
        service.failCall(error);
        QCOMPARE(failureOf(client.removeReplacements({"/x"})), message);
    }
};

TESSELLE_TEST_MAIN(TextReplacementClientTest, QCoreApplication)
#include "tst_textreplacementclient.moc"

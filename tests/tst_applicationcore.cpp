#include "applicationcore.h"
#include "testsupport.h"

#include <QDir>
#include <QSignalSpy>
#include <QThread>

class tst_ApplicationCore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setTestApplicationNames(); }

    void newGameIdIsBracedAndFresh();
    void saveGameRecordDefaults();
    void saveGameRecordKeepsGivenId();
    void saveGameRecordRefusals();
    void forwarding();
    void submitRefusals();
    void pendingUntilSettled();
    void numberIdAccepted();
    void acknowledgementRefusalsAndAnswers();
    void refusalsDuringShutdown();
    void destructionFinishesQueuedSettlements();
    void unavailableDatabase();
};

namespace {

const QRegularExpression
        kUuid(QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));

QVariantMap run(const QVariant &id, int score, const QString &modeId = QStringLiteral("endless"))
{
    QVariantMap snapshot;
    snapshot.insert(QStringLiteral("id"), id);
    snapshot.insert(QStringLiteral("modeId"), modeId);
    snapshot.insert(QStringLiteral("score"), score);
    snapshot.insert(QStringLiteral("endReason"), QStringLiteral("block"));
    snapshot.insert(QStringLiteral("startedAt"), QStringLiteral("2025-01-31T08:00:00Z"));
    snapshot.insert(QStringLiteral("endedAt"), QStringLiteral("2025-01-31T08:01:00Z"));
    return snapshot;
}

int count(const QString &where)
{
    return sqlValue(QStringLiteral("SELECT COUNT(*) FROM game_records WHERE ") + where).toInt();
}

} // namespace

void tst_ApplicationCore::newGameIdIsBracedAndFresh()
{
    TestStorage storage;
    ApplicationCore core;
    const QString first = core.newGameId();
    const QString second = core.newGameId();
    QCOMPARE(first.size(), 38);
    QVERIFY(first.startsWith(QLatin1Char('{')) && first.endsWith(QLatin1Char('}')));
    QVERIFY2(kUuid.match(first.mid(1, 36)).hasMatch(), qPrintable(first));
    QVERIFY(first != second);
}

void tst_ApplicationCore::saveGameRecordDefaults()
{
    TestStorage storage;
    ApplicationCore core;
    QVERIFY(core.saveGameRecord(QString(), QStringLiteral("endless"), 12, QStringLiteral("fall"),
                                QStringLiteral("s"), QStringLiteral("e")));
    QSqlQuery query = sql(QStringLiteral(
            "SELECT id, score, death_world_y, death_world_x, jump_count, max_section_jump_count, "
            "wall_collision_count, block_collision_count, started_at, ended_at FROM game_records"));
    QVERIFY(query.next());
    const QString id = query.value(0).toString();
    QCOMPARE(id.size(), 36);
    QVERIFY2(kUuid.match(id).hasMatch(), qPrintable(id));
    QCOMPARE(query.value(1).toInt(), 12);
    QVERIFY(query.value(2).isNull());
    QVERIFY(query.value(3).isNull());
    for (int column = 4; column < 8; ++column)
        QCOMPARE(query.value(column).toInt(), 0);
    QCOMPARE(query.value(8).toString(), QStringLiteral("s"));
    QCOMPARE(query.value(9).toString(), QStringLiteral("e"));
    QVERIFY(!query.next());

    // Each call without an id gets its own.
    QVERIFY(core.saveGameRecord(QString(), QStringLiteral("endless"), 3, QStringLiteral("fall"),
                                QStringLiteral("s"), QStringLiteral("e")));
    QCOMPARE(count(QStringLiteral("1")), 2);
}

void tst_ApplicationCore::saveGameRecordKeepsGivenId()
{
    TestStorage storage;
    ApplicationCore core;
    QVERIFY(core.saveGameRecord(QStringLiteral("{given}"), QStringLiteral("m"), 60,
                                QStringLiteral("wall"), QStringLiteral("s"), QStringLiteral("e"),
                                4.5, -2.0, 9, 3, 1, 2));
    QSqlQuery query = sql(QStringLiteral(
            "SELECT death_world_y, death_world_x, jump_count, max_section_jump_count, "
            "wall_collision_count, block_collision_count FROM game_records WHERE id='{given}'"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toDouble(), 4.5);
    QCOMPARE(query.value(1).toDouble(), -2.0);
    QCOMPARE(query.value(2).toInt(), 9);
    QCOMPARE(query.value(3).toInt(), 3);
    QCOMPARE(query.value(4).toInt(), 1);
    QCOMPARE(query.value(5).toInt(), 2);
    // Evaluated on the spot: the score unlocked its achievement.
    QCOMPARE(sqlValue(QStringLiteral("SELECT is_unlocked FROM achievements WHERE code='score_50'"))
                     .toInt(),
             1);

    // Stored already: true when identical (the death position is not compared),
    // false when it differs, and nothing written either way.
    QVERIFY(core.saveGameRecord(QStringLiteral("{given}"), QStringLiteral("m"), 60,
                                QStringLiteral("wall"), QStringLiteral("s"), QStringLiteral("e"),
                                QVariant(), QVariant(), 9, 3, 1, 2));
    QVERIFY(!core.saveGameRecord(QStringLiteral("{given}"), QStringLiteral("m"), 60,
                                 QStringLiteral("wall"), QStringLiteral("s"), QStringLiteral("e"),
                                 4.5, -2.0, 9, 3, 1, 3));
    QCOMPARE(count(QStringLiteral("1")), 1);
}

void tst_ApplicationCore::saveGameRecordRefusals()
{
    TestStorage storage;
    ApplicationCore core;
    QVERIFY(!core.saveGameRecord(QString(), QStringLiteral("m"), 1, QStringLiteral("WALL"),
                                 QStringLiteral("s"), QStringLiteral("e")));
    QVERIFY(!core.saveGameRecord(QString(), QStringLiteral("m"), 1, QStringLiteral("wall"),
                                 QStringLiteral("s"), QStringLiteral("e"), QVariant(), QVariant(),
                                 -1));
    QCOMPARE(count(QStringLiteral("1")), 0);
}

void tst_ApplicationCore::forwarding()
{
    TestStorage storage;
    ApplicationCore core;
    core.setAppSetting(QStringLiteral("APP_SETTING"), QStringLiteral("LANGUAGE"), 3);
    QCOMPARE(core.appSetting(QStringLiteral("APP_SETTING"), QStringLiteral("LANGUAGE"), 0),
             QVariant(3));
    QVERIFY(!core.appSetting(QStringLiteral("APP_SETTING"), QStringLiteral("missing")).isValid());

    QVERIFY(core.saveGameRecord(QStringLiteral("a"), QStringLiteral("one"), 10,
                                QStringLiteral("wall"), QStringLiteral("s"), QStringLiteral("e"),
                                1.0, 2.0));
    QVERIFY(core.saveGameRecord(QStringLiteral("b"), QStringLiteral("two"), 30,
                                QStringLiteral("abandoned"), QStringLiteral("s"),
                                QStringLiteral("e")));
    QCOMPARE(core.gameRecords().size(), 2);
    QCOMPARE(core.gameRecords(QStringLiteral("one")).size(), 1);
    QCOMPARE(core.highestScore(), 30);
    QCOMPARE(core.highestScore(QStringLiteral("one")), 10);
    const QVariantMap position = core.latestDeathPosition(QStringLiteral("one")).toMap();
    QCOMPARE(position.value(QStringLiteral("y")).toDouble(), 1.0);
    QCOMPARE(position.value(QStringLiteral("x")).toDouble(), 2.0);
    QVERIFY(!core.latestDeathPosition(QStringLiteral("two")).isValid());

    const QVariantMap achievements = core.achievements();
    QCOMPARE(achievements.value(QStringLiteral("ok")).toBool(), true);
    QCOMPARE(achievements.value(QStringLiteral("items")).toList().size(), 8);
    QCOMPARE(core.skins().size(), 9);
    QVERIFY(!core.selectSkin(QStringLiteral("clown")));
    QVERIFY(core.unlockSkin(QStringLiteral("clown")));
    QVERIFY(core.selectSkin(QStringLiteral("clown")));
}

void tst_ApplicationCore::submitRefusals()
{
    TestStorage storage;
    ApplicationCore core;
    QSignalSpy requested(&core, &ApplicationCore::settlementRequested);
    QVariantMap noId = run(QString(), 1);
    noId.remove(QStringLiteral("id"));
    QVERIFY(!core.submitGameRecord(noId));
    QVERIFY(!core.submitGameRecord(run(QString(), 1)));
    QVERIFY(!core.submitGameRecord(run(QStringLiteral(""), 1)));
    QCOMPARE(requested.count(), 0);
}

void tst_ApplicationCore::pendingUntilSettled()
{
    TestStorage storage;
    ApplicationCore core;
    QSignalSpy settled(&core, &ApplicationCore::gameSettled);
    const QVariantMap snapshot = run(core.newGameId(), 60);
    QVERIFY(core.submitGameRecord(snapshot));
    QVERIFY(!core.submitGameRecord(snapshot));
    QTRY_COMPARE(settled.count(), 1);
    const QList<QVariant> answer = settled.takeFirst();
    QCOMPARE(answer.at(0).toString(), snapshot.value(QStringLiteral("id")).toString());
    QCOMPARE(answer.at(1).toBool(), true);
    QCOMPARE(answer.at(3).toInt(), 60);
    const QVariantList rewards = answer.at(2).toList();
    QCOMPARE(rewards.size(), 1);
    QCOMPARE(rewards.first().toMap().value(QStringLiteral("skinId")).toString(),
             QStringLiteral("confident"));

    // Settled: the same run may come again, and is answered as stored.
    QVERIFY(core.submitGameRecord(snapshot));
    QTRY_COMPARE(settled.count(), 1);
    QCOMPARE(settled.first().at(1).toBool(), true);
    QCOMPARE(count(QStringLiteral("1")), 1);
}

void tst_ApplicationCore::numberIdAccepted()
{
    TestStorage storage;
    ApplicationCore core;
    QSignalSpy settled(&core, &ApplicationCore::gameSettled);
    QVERIFY(core.submitGameRecord(run(42, 5)));
    QVERIFY(!core.submitGameRecord(run(QStringLiteral("42"), 5)));
    QTRY_COMPARE(settled.count(), 1);
    QCOMPARE(settled.first().at(0).toString(), QStringLiteral("42"));
    QCOMPARE(count(QStringLiteral("id='42'")), 1);
}

void tst_ApplicationCore::acknowledgementRefusalsAndAnswers()
{
    TestStorage storage;
    ApplicationCore core;
    QSignalSpy requested(&core, &ApplicationCore::rewardAcknowledgementRequested);
    QSignalSpy acknowledged(&core, &ApplicationCore::skinRewardsAcknowledged);
    QVERIFY(!core.acknowledgeSkinRewards(QStringLiteral("r"), QVariantList()));
    QVERIFY(!core.acknowledgeSkinRewards(QString(), QVariantList{QStringLiteral("score_50")}));
    QCOMPARE(requested.count(), 0);

    QSignalSpy settled(&core, &ApplicationCore::gameSettled);
    QVERIFY(core.submitGameRecord(run(QStringLiteral("r1"), 60)));
    QTRY_COMPARE(settled.count(), 1);

    // Request ids are not tracked: each accepted call gets its own answer.
    QVERIFY(core.acknowledgeSkinRewards(QStringLiteral("same"), {QStringLiteral("score_50")}));
    QVERIFY(core.acknowledgeSkinRewards(QStringLiteral("same"), {QStringLiteral("nothing")}));
    QTRY_COMPARE(acknowledged.count(), 2);
    QCOMPARE(acknowledged.at(0), (QList<QVariant>{QStringLiteral("same"), true}));
    QCOMPARE(acknowledged.at(1), (QList<QVariant>{QStringLiteral("same"), false}));

    QVERIFY(core.submitGameRecord(run(QStringLiteral("r2"), 10)));
    QTRY_COMPARE(settled.count(), 2);
    QVERIFY(settled.at(1).at(2).toList().isEmpty());
}

// The only code that can call in while the facade is being destroyed is code
// that runs during its destruction: here a slot on the worker thread's
// finished signal, which fires while the GUI thread waits for that thread.
void tst_ApplicationCore::refusalsDuringShutdown()
{
    TestStorage storage;
    ApplicationCore *core = new ApplicationCore;
    QThread *thread = core->findChild<QThread *>();
    QVERIFY(thread);
    QVERIFY(thread->isRunning());

    bool called = false;
    bool submitted = true;
    bool acknowledged = true;
    connect(
            thread, &QThread::finished, thread,
            [&] {
                called = true;
                submitted = core->submitGameRecord(run(QStringLiteral("late"), 1));
                acknowledged = core->acknowledgeSkinRewards(QStringLiteral("late"),
                                                            {QStringLiteral("score_50")});
            },
            Qt::DirectConnection);
    delete core;
    QVERIFY(called);
    QVERIFY(!submitted);
    QVERIFY(!acknowledged);
    QCOMPARE(count(QStringLiteral("1")), 0);
}

void tst_ApplicationCore::destructionFinishesQueuedSettlements()
{
    TestStorage storage;
    ApplicationCore *core = new ApplicationCore;
    int delivered = 0;
    QObject receiver;
    connect(core, &ApplicationCore::gameSettled, &receiver, [&] { ++delivered; });
    connect(core, &ApplicationCore::skinRewardsAcknowledged, &receiver, [&] { ++delivered; });

    const int runs = 20;
    for (int i = 0; i < runs; ++i)
        QVERIFY(core->submitGameRecord(run(QStringLiteral("queued-%1").arg(i), i * 10)));
    QVERIFY(core->acknowledgeSkinRewards(QStringLiteral("ack"), {QStringLiteral("score_50")}));
    delete core;

    // Everything queued before the destruction was settled and stored...
    QCOMPARE(count(QStringLiteral("id LIKE 'queued-%'")), runs);
    QCOMPARE(
            sqlValue(QStringLiteral(
                             "SELECT notification_pending FROM achievements WHERE code='score_50'"))
                    .toInt(),
            0);
    // ...but no answer reaches anyone.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(delivered, 0);
}

void tst_ApplicationCore::unavailableDatabase()
{
    TestStorage storage;
    QVERIFY(QDir().mkpath(storage.databasePath()));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[DatabaseConnection\\]"));
    QTest::ignoreMessage(QtWarningMsg,
                         "[ApplicationCore] achievements unavailable: initialization failed");
    ApplicationCore core;
    QVERIFY(!core.saveGameRecord(QStringLiteral("x"), QStringLiteral("m"), 1,
                                 QStringLiteral("wall"), QStringLiteral("s"), QStringLiteral("e")));
    QCOMPARE(core.achievements().value(QStringLiteral("ok")).toBool(), false);

    // Submissions are still forwarded, and answered as failed.
    QSignalSpy settled(&core, &ApplicationCore::gameSettled);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[DatabaseConnection\\]"));
    QVERIFY(core.submitGameRecord(run(QStringLiteral("x"), 1)));
    QTRY_COMPARE(settled.count(), 1);
    QCOMPARE(settled.first().at(1).toBool(), false);
    QCOMPARE(settled.first().at(3).toInt(), -1);
}

QTEST_GUILESS_MAIN(tst_ApplicationCore)
#include "tst_applicationcore.moc"

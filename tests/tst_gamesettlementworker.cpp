#include "gamesettlementworker.h"
#include "testsupport.h"

#include <QDir>
#include <QSignalSpy>

#include <cmath>
#include <limits>

// The worker's slots called directly on the test thread: each call works on
// this thread's connection, as it does on the worker thread.
class tst_GameSettlementWorker : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setTestApplicationNames(); }
    void cleanup() { DatabaseConnection::closeConnection(); }

    void counts_data();
    void counts();
    void absentTextsStoreEmptyText();
    void invalidRunsAnswerWithoutStoring_data();
    void invalidRunsAnswerWithoutStoring();
    void rewardsUntilAcknowledged();
    void twoRewardsInListOrder();
    void repeatedRunReportsCurrentState();
    void failedAcknowledgementsChangeNothing();
    void databaseUnavailable();
    void shutdownClosesConnection();
};

namespace {

QVariantMap run(const QString &id, int score, const QString &endReason = QStringLiteral("wall"))
{
    QVariantMap snapshot;
    snapshot.insert(QStringLiteral("id"), id);
    snapshot.insert(QStringLiteral("modeId"), QStringLiteral("endless"));
    snapshot.insert(QStringLiteral("score"), score);
    snapshot.insert(QStringLiteral("endReason"), endReason);
    snapshot.insert(QStringLiteral("startedAt"), QStringLiteral("2025-01-31T08:00:00Z"));
    snapshot.insert(QStringLiteral("endedAt"), QStringLiteral("2025-01-31T08:05:09Z"));
    snapshot.insert(QStringLiteral("deathWorldY"), 12.5);
    snapshot.insert(QStringLiteral("deathWorldX"), -3.25);
    snapshot.insert(QStringLiteral("jumpCount"), 7);
    snapshot.insert(QStringLiteral("maxSectionJumpCount"), 3);
    snapshot.insert(QStringLiteral("wallCollisionCount"), 1);
    snapshot.insert(QStringLiteral("blockCollisionCount"), 2);
    return snapshot;
}

struct Answer
{
    QString gameId;
    bool success = false;
    QVariantList rewards;
    int bestScore = 0;
};

Answer settle(GameSettlementWorker &worker, const QVariantMap &snapshot)
{
    QSignalSpy spy(&worker, &GameSettlementWorker::settled);
    worker.settle(snapshot);
    Answer answer;
    if (spy.count() != 1) {
        qWarning("expected one answer, got %d", spy.count());
        return answer;
    }
    const QList<QVariant> arguments = spy.takeFirst();
    answer.gameId = arguments.at(0).toString();
    answer.success = arguments.at(1).toBool();
    answer.rewards = arguments.at(2).toList();
    answer.bestScore = arguments.at(3).toInt();
    return answer;
}

bool acknowledge(GameSettlementWorker &worker, const QVariantList &codes)
{
    QSignalSpy spy(&worker, &GameSettlementWorker::rewardsAcknowledged);
    worker.acknowledge(QStringLiteral("request"), codes);
    if (spy.count() != 1 || spy.at(0).at(0).toString() != QLatin1String("request"))
        return false;
    return spy.at(0).at(1).toBool();
}

QStringList codesOf(const QVariantList &rewards)
{
    QStringList codes;
    for (const QVariant &reward : rewards)
        codes << reward.toMap().value(QStringLiteral("code")).toString();
    return codes;
}

int storedRuns()
{
    return sqlValue(QStringLiteral("SELECT COUNT(*) FROM game_records")).toInt();
}

} // namespace

// Script front ends send numbers as doubles; the toolkit's own conversion
// wraps or zeroes what does not fit and reports success. Such values refuse
// the run instead of storing a number the player never made.
void tst_GameSettlementWorker::counts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("stored");

    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QString score = QStringLiteral("score");
    const QString walls = QStringLiteral("wallCollisionCount");

    QTest::newRow("score 3.7 rounds") << score << QVariant(3.7) << true << 4;
    QTest::newRow("score as whole double") << score << QVariant(60.0) << true << 60;
    QTest::newRow("score as text") << score << QVariant(QStringLiteral("17")) << true << 17;
    QTest::newRow("score largest") << score << QVariant(2147483647.0) << true << 2147483647;
    QTest::newRow("score absent") << score << QVariant() << true << 0;
    QTest::newRow("score null") << score << QVariant(QVariant::Int) << true << 0;
    QTest::newRow("score 4294967301.0") << score << QVariant(4294967301.0) << false << 0;
    QTest::newRow("score 2147483648.0") << score << QVariant(2147483648.0) << false << 0;
    QTest::newRow("score 2147483647.6") << score << QVariant(2147483647.6) << false << 0;
    QTest::newRow("score text 2147483648")
            << score << QVariant(QStringLiteral("2147483648")) << false << 0;
    QTest::newRow("score 1e20") << score << QVariant(1e20) << false << 0;
    QTest::newRow("score NaN") << score << QVariant(nan) << false << 0;
    QTest::newRow("score inf") << score << QVariant(inf) << false << 0;
    QTest::newRow("score -inf") << score << QVariant(-inf) << false << 0;
    QTest::newRow("score abc") << score << QVariant(QStringLiteral("abc")) << false << 0;
    QTest::newRow("score list") << score << QVariant(QVariantList{1}) << false << 0;
    QTest::newRow("score map") << score << QVariant(QVariantMap{{"a", 1}}) << false << 0;
    QTest::newRow("score 64-bit") << score << QVariant(qlonglong(4294967301LL)) << false << 0;
    QTest::newRow("walls 2.2") << walls << QVariant(2.2) << true << 2;
    QTest::newRow("walls absent") << walls << QVariant() << true << 0;
    QTest::newRow("walls 4294967301.0") << walls << QVariant(4294967301.0) << false << 0;
    QTest::newRow("walls -2147483649.0") << walls << QVariant(-2147483649.0) << false << 0;
    QTest::newRow("walls NaN") << walls << QVariant(nan) << false << 0;
}

void tst_GameSettlementWorker::counts()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    QFETCH(int, stored);

    TestStorage storage;
    GameSettlementWorker worker;
    QVariantMap snapshot = run(QStringLiteral("counted"), 5);
    if (value.isValid())
        snapshot.insert(key, value);
    else
        snapshot.remove(key);

    const Answer answer = settle(worker, snapshot);
    QCOMPARE(answer.gameId, QStringLiteral("counted"));
    QCOMPARE(answer.success, accepted);
    if (!accepted) {
        QVERIFY(answer.rewards.isEmpty());
        QCOMPARE(answer.bestScore, -1);
        QCOMPARE(storedRuns(), 0);
        return;
    }
    const QString column = key == QLatin1String("score") ? QStringLiteral("score")
                                                         : QStringLiteral("wall_collision_count");
    QCOMPARE(sqlValue(QStringLiteral("SELECT %1 FROM game_records WHERE id='counted'").arg(column))
                     .toInt(),
             stored);
}

void tst_GameSettlementWorker::absentTextsStoreEmptyText()
{
    TestStorage storage;
    GameSettlementWorker worker;
    QVariantMap snapshot;
    snapshot.insert(QStringLiteral("id"), QStringLiteral("bare"));
    snapshot.insert(QStringLiteral("endReason"), QStringLiteral("fall"));
    snapshot.insert(QStringLiteral("startedAt"), QVariant()); // null reads as empty too

    const Answer answer = settle(worker, snapshot);
    QVERIFY(answer.success);
    QCOMPARE(answer.bestScore, 0);
    QSqlQuery query = sql(QStringLiteral(
            "SELECT mode_id, started_at, ended_at, death_world_y, death_world_x, score, "
            "jump_count FROM game_records WHERE id='bare'"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0), QVariant(QStringLiteral("")));
    QCOMPARE(query.value(1), QVariant(QStringLiteral("")));
    QCOMPARE(query.value(2), QVariant(QStringLiteral("")));
    QVERIFY(query.value(3).isNull());
    QVERIFY(query.value(4).isNull());
    QCOMPARE(query.value(5).toInt(), 0);
    QCOMPARE(query.value(6).toInt(), 0);
}

void tst_GameSettlementWorker::invalidRunsAnswerWithoutStoring_data()
{
    QTest::addColumn<QVariantMap>("snapshot");
    QTest::addColumn<QString>("gameId");

    QVariantMap snapshot = run(QString(), 10);
    snapshot.remove(QStringLiteral("id"));
    QTest::newRow("no id") << snapshot << QString();
    QTest::newRow("empty id") << run(QString(), 10) << QString();
    QTest::newRow("unknown end reason")
            << run(QStringLiteral("r"), 10, QStringLiteral("lava")) << QStringLiteral("r");
    QTest::newRow("end reason case")
            << run(QStringLiteral("r"), 10, QStringLiteral("Wall")) << QStringLiteral("r");
    snapshot = run(QStringLiteral("r"), 10);
    snapshot.remove(QStringLiteral("endReason"));
    QTest::newRow("no end reason") << snapshot << QStringLiteral("r");
    QTest::newRow("negative score") << run(QStringLiteral("r"), -1) << QStringLiteral("r");
}

void tst_GameSettlementWorker::invalidRunsAnswerWithoutStoring()
{
    QFETCH(QVariantMap, snapshot);
    QFETCH(QString, gameId);

    TestStorage storage;
    GameSettlementWorker worker;
    const Answer answer = settle(worker, snapshot);
    QCOMPARE(answer.gameId, gameId);
    QVERIFY(!answer.success);
    QVERIFY(answer.rewards.isEmpty());
    QCOMPARE(answer.bestScore, -1);
    QCOMPARE(storedRuns(), 0);
}

void tst_GameSettlementWorker::rewardsUntilAcknowledged()
{
    TestStorage storage;
    GameSettlementWorker worker;

    Answer answer = settle(worker, run(QStringLiteral("first"), 60));
    QVERIFY(answer.success);
    QCOMPARE(answer.bestScore, 60);
    QCOMPARE(codesOf(answer.rewards), QStringList{QStringLiteral("score_50")});
    const QVariantMap reward = answer.rewards.first().toMap();
    QCOMPARE(reward.value(QStringLiteral("skinId")).toString(), QStringLiteral("confident"));
    QCOMPARE(reward.value(QStringLiteral("skinPath")).toString(),
             QStringLiteral("qrc:/assets/skins/confident.png"));
    QCOMPARE(reward.value(QStringLiteral("rewardSkinId")).toString(),
             QStringLiteral("skin_confident"));
    QCOMPARE(reward.value(QStringLiteral("unlocked")).toBool(), true);
    QCOMPARE(reward.value(QStringLiteral("notificationPending")).toBool(), true);
    QCOMPARE(reward.size(), 18);

    // A run that unlocks nothing still reports the reward not yet shown.
    answer = settle(worker, run(QStringLiteral("second"), 20));
    QVERIFY(answer.success);
    QCOMPARE(answer.bestScore, 60);
    QCOMPARE(codesOf(answer.rewards), QStringList{QStringLiteral("score_50")});

    QVERIFY(acknowledge(worker, QVariantList{QStringLiteral("score_50")}));
    answer = settle(worker, run(QStringLiteral("third"), 30));
    QVERIFY(answer.success);
    QVERIFY(answer.rewards.isEmpty());
    // Acknowledging again is harmless: the row still matches.
    QVERIFY(acknowledge(worker, QVariantList{QStringLiteral("score_50")}));
}

void tst_GameSettlementWorker::twoRewardsInListOrder()
{
    TestStorage storage;
    GameSettlementWorker worker;
    const Answer answer = settle(worker, run(QStringLiteral("big"), 250));
    QVERIFY(answer.success);
    QCOMPARE(codesOf(answer.rewards),
             (QStringList{QStringLiteral("score_50"), QStringLiteral("score_200")}));
    QCOMPARE(answer.rewards.at(1).toMap().value(QStringLiteral("skinId")).toString(),
             QStringLiteral("shouting"));
    QCOMPARE(answer.rewards.at(1).toMap().value(QStringLiteral("skinPath")).toString(),
             QStringLiteral("qrc:/assets/skins/shouting.png"));
}

void tst_GameSettlementWorker::repeatedRunReportsCurrentState()
{
    TestStorage storage;
    GameSettlementWorker worker;
    const QVariantMap snapshot = run(QStringLiteral("again"), 60);
    QVERIFY(settle(worker, snapshot).success);
    QVERIFY(settle(worker, run(QStringLiteral("other"), 80)).success);

    const Answer answer = settle(worker, snapshot);
    QVERIFY(answer.success);
    QCOMPARE(answer.bestScore, 80);
    QCOMPARE(codesOf(answer.rewards), QStringList{QStringLiteral("score_50")});
    QCOMPARE(storedRuns(), 2);

    // The same id with other values is refused.
    QVariantMap changed = snapshot;
    changed.insert(QStringLiteral("score"), 61);
    const Answer refused = settle(worker, changed);
    QVERIFY(!refused.success);
    QCOMPARE(refused.bestScore, -1);
}

void tst_GameSettlementWorker::failedAcknowledgementsChangeNothing()
{
    TestStorage storage;
    GameSettlementWorker worker;
    QVERIFY(settle(worker, run(QStringLiteral("r"), 60)).success);

    QVERIFY(!acknowledge(worker, QVariantList()));
    QVERIFY(!acknowledge(worker, QVariantList{QStringLiteral("no_such_code")}));
    // A locked achievement's code fails the whole batch.
    QVERIFY(!acknowledge(worker,
                         QVariantList{QStringLiteral("score_50"), QStringLiteral("score_500")}));
    QCOMPARE(
            sqlValue(QStringLiteral(
                             "SELECT notification_pending FROM achievements WHERE code='score_50'"))
                    .toInt(),
            1);
}

void tst_GameSettlementWorker::databaseUnavailable()
{
    TestStorage storage;
    // A directory where the database file belongs: it cannot be opened.
    QVERIFY(QDir().mkpath(storage.databasePath()));
    GameSettlementWorker worker;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[DatabaseConnection\\]"));
    const Answer answer = settle(worker, run(QStringLiteral("lost"), 60));
    QCOMPARE(answer.gameId, QStringLiteral("lost"));
    QVERIFY(!answer.success);
    QCOMPARE(answer.bestScore, -1);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[DatabaseConnection\\]"));
    QVERIFY(!acknowledge(worker, QVariantList{QStringLiteral("score_50")}));
}

void tst_GameSettlementWorker::shutdownClosesConnection()
{
    TestStorage storage;
    GameSettlementWorker worker;
    QVERIFY(settle(worker, run(QStringLiteral("r"), 1)).success);
    const QString name = DatabaseConnection::database().connectionName();
    QVERIFY(QSqlDatabase::contains(name));
    worker.shutdown();
    QVERIFY(!QSqlDatabase::contains(name));
}

QTEST_GUILESS_MAIN(tst_GameSettlementWorker)
#include "tst_gamesettlementworker.moc"

#include "achievementdao.h"
#include "achievementservice.h"
#include "gamerecord.h"
#include "gamerecorddao.h"
#include "gamerecordservice.h"
#include "settlementcontext.h"
#include "testsupport.h"

#include <QThread>
#include <QUuid>

#include <atomic>

namespace {

struct Run
{
    int score;
    QString endReason;
    QString mode = QStringLiteral("endless");
    int wall = 0;
    int block = 0;
    int sectionJumps = 0;
};

} // namespace

class tst_Evaluation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setTestApplicationNames(); }
    void init();
    void cleanup();

    void invalidRunsWriteNothing_data();
    void invalidRunsWriteNothing();
    void notInitializedWritesNothing();
    void repeatedRun();
    void lowScoreStreak_data();
    void lowScoreStreak();
    void scoreDrop_data();
    void scoreDrop();
    void totalsPerModeCanLowerProgress();
    void bestScoreUnlocksWithReward();
    void missingParametersNeverMove();
    void equalProgressWritesNothing();
    void failedProgressWriteRollsBackRun();
    void noAchievementsStillStoresRun();
    void achievementList();
    void concurrentRecordersLoseNothing();

private:
    bool record(const Run &run, const QString &id = QString());
    int progress(const char *code)
    {
        return sqlValue("SELECT progress_value FROM achievements WHERE code=?",
                        {QLatin1String(code)})
                .toInt();
    }
    int runs() { return sqlValue("SELECT COUNT(*) FROM game_records").toInt(); }

    std::unique_ptr<TestStorage> storage;
    AchievementDao *dao = nullptr;
    AchievementService *service = nullptr;
    GameRecordDao *recordDao = nullptr;
    GameRecordService *records = nullptr;
    int counter = 0;
};

void tst_Evaluation::init()
{
    storage.reset(new TestStorage);
    QVERIFY(DatabaseConnection::initialize());
    dao = new AchievementDao(this);
    service = new AchievementService(dao, this);
    recordDao = new GameRecordDao(this);
    records = new GameRecordService(recordDao, this);
    QVERIFY(service->initializePresets());
}

void tst_Evaluation::cleanup()
{
    delete records;
    delete recordDao;
    delete service;
    delete dao;
    storage.reset();
}

bool tst_Evaluation::record(const Run &run, const QString &id)
{
    GameRecord r;
    r.setComponentId(id.isEmpty() ? QStringLiteral("run-%1").arg(++counter) : id);
    r.setModeId(run.mode);
    r.setScore(run.score);
    r.setEndReason(run.endReason);
    r.setStartedAt(QStringLiteral("s"));
    r.setEndedAt(QStringLiteral("e"));
    r.setWallCollisionCount(run.wall);
    r.setBlockCollisionCount(run.block);
    r.setMaxSectionJumpCount(run.sectionJumps);
    return service->recordGame(&r, records);
}

void tst_Evaluation::invalidRunsWriteNothing_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("wall");
    QTest::addColumn<QString>("endReason");
    QTest::newRow("empty id") << "" << 5 << 0 << "wall";
    QTest::newRow("negative score") << "x" << -1 << 0 << "wall";
    QTest::newRow("negative collisions") << "x" << 5 << -1 << "wall";
    QTest::newRow("unknown end reason") << "x" << 5 << 0 << "drowned";
    QTest::newRow("end reason case") << "x" << 5 << 0 << "Wall";
    QTest::newRow("no end reason") << "x" << 5 << 0 << "";
}

void tst_Evaluation::invalidRunsWriteNothing()
{
    QFETCH(QString, id);
    QFETCH(int, score);
    QFETCH(int, wall);
    QFETCH(QString, endReason);
    const QString before
            = sqlValue("SELECT group_concat(updated_at||progress_value) FROM achievements")
                      .toString();
    GameRecord r;
    r.setComponentId(id);
    r.setModeId("endless");
    r.setScore(score);
    r.setWallCollisionCount(wall);
    r.setEndReason(endReason);
    r.setStartedAt("s");
    r.setEndedAt("e");
    QVERIFY(!service->recordGame(&r, records));
    QCOMPARE(runs(), 0);
    QCOMPARE(sqlValue("SELECT group_concat(updated_at||progress_value) FROM achievements")
                     .toString(),
             before);
    QVERIFY(!service->recordGame(nullptr, records));
    QVERIFY(!service->recordGame(&r, nullptr));
}

void tst_Evaluation::notInitializedWritesNothing()
{
    AchievementService fresh(dao);
    GameRecord r;
    r.setComponentId("x");
    r.setModeId("endless");
    r.setEndReason("wall");
    r.setStartedAt("s");
    r.setEndedAt("e");
    QVERIFY(!fresh.recordGame(&r, records));
    QCOMPARE(runs(), 0);
}

void tst_Evaluation::repeatedRun()
{
    QVERIFY(record({30, "wall"}, "same"));
    QCOMPARE(progress("score_50"), 30);
    QCOMPARE(progress("every_point_counts"), 30);
    // Identical again: success, nothing moves twice.
    QVERIFY(record({30, "wall"}, "same"));
    QCOMPARE(progress("every_point_counts"), 30);
    QCOMPARE(runs(), 1);
    // Same id, different values: refused.
    QVERIFY(!record({31, "wall"}, "same"));
    QVERIFY(!record({30, "fall"}, "same"));
    QCOMPARE(runs(), 1);
    QCOMPARE(progress("score_50"), 30);
}

void tst_Evaluation::lowScoreStreak_data()
{
    QTest::addColumn<QList<int>>("scores");     // -1 stands for an abandoned run scoring 1
    QTest::addColumn<QList<int>>("progresses"); // practice_more after each run
    QTest::newRow("five low deaths unlock")
            << QList<int>{3, 10, 0, 7, 9} << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("eleven resets")
            << QList<int>{3, 10, 0, 7, 11, 5} << QList<int>{1, 2, 3, 4, 0, 1};
    QTest::newRow("abandoned resets") << QList<int>{3, 10, -1, 2} << QList<int>{1, 2, 0, 1};
}

void tst_Evaluation::lowScoreStreak()
{
    QFETCH(QList<int>, scores);
    QFETCH(QList<int>, progresses);
    for (int i = 0; i < scores.size(); ++i) {
        const bool abandoned = scores.at(i) < 0;
        QVERIFY(record({abandoned ? 1 : scores.at(i), abandoned ? "abandoned" : "block"}));
        QCOMPARE(progress("practice_more"), progresses.at(i));
    }
    const bool unlocked = progresses.last() == 5;
    QCOMPARE(sqlValue("SELECT is_unlocked FROM achievements WHERE code='practice_more'").toBool(),
             unlocked);
    QCOMPARE(sqlValue("SELECT is_unlocked FROM skins WHERE skin_id='smirking'").toBool(), unlocked);
}

void tst_Evaluation::scoreDrop_data()
{
    QTest::addColumn<QVariantList>("runs"); // [score, endReason, mode] in order
    QTest::addColumn<bool>("unlocked");
    auto run = [](int score, const char *reason, const char *mode = "endless") {
        return QVariant(QVariantList{score, QLatin1String(reason), QLatin1String(mode)});
    };
    QTest::newRow("death at 0 after death at 50")
            << QVariantList{run(50, "wall"), run(0, "fall")} << true;
    QTest::newRow("after death at 80") << QVariantList{run(80, "block"), run(0, "wall")} << true;
    QTest::newRow("previous 49") << QVariantList{run(49, "wall"), run(0, "wall")} << false;
    QTest::newRow("previous abandoned")
            << QVariantList{run(60, "abandoned"), run(0, "wall")} << false;
    QTest::newRow("current abandoned")
            << QVariantList{run(60, "wall"), run(0, "abandoned")} << false;
    QTest::newRow("current 1") << QVariantList{run(60, "wall"), run(1, "wall")} << false;
    QTest::newRow("first run") << QVariantList{run(0, "wall")} << false;
    QTest::newRow("previous in other mode")
            << QVariantList{run(60, "wall", "other"), run(0, "wall")} << false;
    QTest::newRow("insertion order, not timestamps")
            << QVariantList{run(10, "wall"), run(60, "wall"), run(0, "wall")} << true;
}

void tst_Evaluation::scoreDrop()
{
    QFETCH(QVariantList, runs);
    QFETCH(bool, unlocked);
    for (const QVariant &entry : runs) {
        const QVariantList r = entry.toList();
        QVERIFY(record({r.at(0).toInt(), r.at(1).toString(), r.at(2).toString()}));
    }
    QCOMPARE(sqlValue("SELECT is_unlocked FROM achievements WHERE code='clown_moment'").toBool(),
             unlocked);
    QCOMPARE(progress("clown_moment"), unlocked ? 1 : 0);
}

void tst_Evaluation::totalsPerModeCanLowerProgress()
{
    QVERIFY(record({0, "wall", "A", 60, 60}));
    QCOMPARE(progress("headstrong"), 120);
    QVERIFY(record({0, "wall", "B", 10, 0}));
    QCOMPARE(progress("headstrong"), 10);
    QVERIFY(record({0, "wall", "B", 1, 1}));
    QCOMPARE(progress("headstrong"), 12);
    QVERIFY(record({0, "wall", "A", 15, 15}));
    QCOMPARE(progress("headstrong"), 150);
    QCOMPARE(sqlValue("SELECT is_unlocked FROM achievements WHERE code='headstrong'").toInt(), 1);
}

void tst_Evaluation::bestScoreUnlocksWithReward()
{
    QVERIFY(record({40, "abandoned", "endless", 0, 0, 12}));
    QCOMPARE(progress("score_50"), 40);
    QCOMPARE(progress("stay_in_place"), 12);
    QVERIFY(record({10, "wall"}));
    QCOMPARE(progress("score_50"), 40); // never lowered
    QVERIFY(record({250, "fall"}));
    QCOMPARE(sqlValue("SELECT group_concat(code) FROM achievements WHERE is_unlocked=1 AND "
                      "notification_pending=1")
                     .toString(),
             QStringLiteral("score_50,score_200"));
    QCOMPARE(sqlValue("SELECT group_concat(skin_id) FROM skins WHERE is_unlocked=1").toString(),
             QStringLiteral("confident,default,shouting"));
    QCOMPARE(progress("score_500"), 250);
}

void tst_Evaluation::missingParametersNeverMove()
{
    QVERIFY(sql("UPDATE achievements SET parameters='{}' WHERE code IN "
                "('practice_more','clown_moment')")
                    .isActive());
    QVERIFY(sql("UPDATE achievements SET progress_value=1 WHERE code='practice_more'").isActive());
    QVERIFY(record({60, "wall"}));
    QVERIFY(record({0, "wall"}));
    QVERIFY(record({50, "abandoned"}));
    QCOMPARE(progress("practice_more"), 1);
    QCOMPARE(progress("clown_moment"), 0);
    QCOMPARE(sqlValue("SELECT is_unlocked FROM achievements WHERE code='clown_moment'").toInt(), 0);
}

void tst_Evaluation::equalProgressWritesNothing()
{
    QVERIFY(record({20, "wall"}));
    QVERIFY(sql("UPDATE achievements SET updated_at='kept'").isActive());
    QVERIFY(record({5, "wall", "other"}));
    QCOMPARE(sqlValue("SELECT updated_at FROM achievements WHERE code='score_50'").toString(),
             QStringLiteral("kept"));
    QVERIFY(sqlValue("SELECT updated_at FROM achievements WHERE code='every_point_counts'")
                    .toString()
            != QStringLiteral("kept"));
}

void tst_Evaluation::failedProgressWriteRollsBackRun()
{
    // The reward skin of score_50 is gone: its unlock must fail, and take the run with it.
    QVERIFY(sql("DELETE FROM skins WHERE id='skin_confident'").isActive());
    QTest::ignoreMessage(QtWarningMsg, "[AchievementService] game settlement rolled back");
    QVERIFY(!record({60, "wall"}));
    QCOMPARE(runs(), 0);
    QCOMPARE(progress("every_point_counts"), 0);
    // The connection is usable again afterwards.
    QVERIFY(record({20, "wall"}));
    QCOMPARE(runs(), 1);
}

void tst_Evaluation::noAchievementsStillStoresRun()
{
    QVERIFY(sql("DELETE FROM achievements").isActive());
    QVERIFY(record({60, "wall"}));
    QCOMPARE(runs(), 1);

    QVERIFY(sql("INSERT INTO achievements "
                "(id,created_at,updated_at,code,condition_type,target_value,parameters) "
                "VALUES ('x','t','t','broken',4,5,'[]')")
                    .isActive());
    QTest::ignoreMessage(QtWarningMsg, "[AchievementDao] invalid parameters: \"broken\"");
    QTest::ignoreMessage(QtWarningMsg, "[AchievementService] game settlement rolled back");
    QVERIFY(!record({60, "wall"}));
    QCOMPARE(runs(), 1);
}

void tst_Evaluation::achievementList()
{
    QVariantMap list = service->achievements();
    QVERIFY(list.value("ok").toBool());
    QVariantList items = list.value("items").toList();
    QCOMPARE(items.size(), 8);
    const QVariantMap first = items.first().toMap();
    QCOMPARE(first.size(), 16);
    QCOMPARE(first.value("code").toString(), QStringLiteral("score_50"));
    QCOMPARE(first.value("windowSeconds").toInt(), -1);
    QCOMPARE(first.value("unlockedAt").toString(), QString());
    QCOMPARE(first.value("showCondition").type(), QVariant::Bool);
    QCOMPARE(items.at(7).toMap().value("parameters").toMap().value("current_score").toInt(), 0);
    QVERIFY(!items.at(7).toMap().value("showCondition").toBool()); // hidden conditions are listed
                                                                   // too

    QVERIFY(record({55, "wall"}));
    const QVariantMap unlocked = service->achievements().value("items").toList().first().toMap();
    QVERIFY(unlocked.value("unlocked").toBool());
    QVERIFY(unlocked.value("notificationPending").toBool());
    QVERIFY(unlocked.value("unlockedAt").toString().endsWith('Z'));

    QVERIFY(sql("UPDATE achievements SET is_enabled=0 WHERE code='score_200'").isActive());
    items = service->achievements().value("items").toList();
    QCOMPARE(items.size(), 7);
    for (const QVariant &item : items)
        QVERIFY(item.toMap().value("code") != QStringLiteral("score_200"));

    QVERIFY(sql("UPDATE achievements SET parameters='5' WHERE code='headstrong'").isActive());
    QTest::ignoreMessage(QtWarningMsg, "[AchievementDao] invalid parameters: \"headstrong\"");
    list = service->achievements();
    QVERIFY(!list.value("ok").toBool());
    QVERIFY(list.value("items").toList().isEmpty());

    AchievementService uninitialized(dao);
    list = uninitialized.achievements();
    QVERIFY(!list.value("ok").toBool());
    QVERIFY(list.contains("items"));
}

// A run settled on another thread while this one saves its own: both read
// statistics and then insert; with a deferred BEGIN some would fail at once.
void tst_Evaluation::concurrentRecordersLoseNothing()
{
    const int perThread = 60;
    std::atomic<int> failures(0);
    auto recorder = [&](const QString &mode) {
        if (!DatabaseConnection::initialize()) {
            failures += perThread;
            return;
        }
        {
            AchievementDao threadDao;
            AchievementService threadService(&threadDao);
            GameRecordDao threadRecordDao;
            GameRecordService threadRecords(&threadRecordDao);
            if (!threadService.initializePresets())
                failures += perThread;
            for (int i = 0; i < perThread; ++i) {
                GameRecord r;
                r.setComponentId(QUuid::createUuid().toString());
                r.setModeId(mode);
                r.setScore(1);
                r.setEndReason(QStringLiteral("wall"));
                r.setStartedAt(QStringLiteral("s"));
                r.setEndedAt(QStringLiteral("e"));
                r.setWallCollisionCount(1);
                if (!threadService.recordGame(&r, &threadRecords))
                    ++failures;
            }
        }
        DatabaseConnection::closeConnection();
    };
    QThread *worker = QThread::create([&] { recorder(QStringLiteral("endless")); });
    worker->start();
    recorder(QStringLiteral("endless"));
    QVERIFY(DatabaseConnection::initialize());
    QVERIFY(worker->wait(120000));
    delete worker;
    QCOMPARE(failures.load(), 0);
    QCOMPARE(runs(), 2 * perThread);
    // Every run counted once: the totals of the mode are what the achievements hold.
    QCOMPARE(progress("headstrong"), qMin(150, 2 * perThread));
    QCOMPARE(progress("every_point_counts"), 2 * perThread);
}

QTEST_GUILESS_MAIN(tst_Evaluation)
#include "tst_evaluation.moc"

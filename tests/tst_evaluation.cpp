#include "achievements/achievementdao.h"
#include "achievements/achievementservice.h"
#include "settlement/gamerecordservice.h"
#include "storage/gamerecord.h"
#include "storage/gamerecorddao.h"
#include "testsupport.h"

namespace {

struct Run
{
    int score;
    QString endReason;
    QString mode = QStringLiteral("endless");
    int wall = 0;
    int block = 0;
    int sectionJumps = 0;
    QString id = QString();
};

// What one thread needs to record runs, on its own connection.
struct Recorder
{
    AchievementDao dao;
    AchievementService service{&dao};
    GameRecordDao recordDao;
    GameRecordService records{&recordDao};
    int counter = 0;

    bool record(const Run &run)
    {
        GameRecord r;
        r.setComponentId(run.id.isNull() ? QStringLiteral("run-%1").arg(++counter) : run.id);
        r.setModeId(run.mode);
        r.setScore(run.score);
        r.setEndReason(run.endReason);
        r.setStartedAt(QStringLiteral("s"));
        r.setEndedAt(QStringLiteral("e"));
        r.setWallCollisionCount(run.wall);
        r.setBlockCollisionCount(run.block);
        r.setMaxSectionJumpCount(run.sectionJumps);
        return service.recordGame(&r, &records);
    }
};

} // namespace

class tst_Evaluation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setTestApplicationNames(); }
    void init()
    {
        storage.reset(new TestStorage);
        QVERIFY(DatabaseConnection::initialize());
        recorder.reset(new Recorder);
        QVERIFY(recorder->service.initializePresets());
    }
    void cleanup()
    {
        recorder.reset();
        storage.reset();
    }

    void invalidRunsWriteNothing_data();
    void invalidRunsWriteNothing();
    void repeatedRun();
    void lowScoreStreak_data();
    void lowScoreStreak();
    void scoreDrop_data();
    void scoreDrop();
    void totalsPerModeCanLowerProgress();
    void bestScoreNeverLowered();
    void missingParametersNeverMove();
    void failedWriteRollsBackRun();
    void achievementList();

private:
    bool record(const Run &run) { return recorder->record(run); }
    bool unlocked(const char *code)
    {
        return sqlValue("SELECT is_unlocked FROM achievements WHERE code=?", {QLatin1String(code)})
                .toBool();
    }
    int progress(const char *code)
    {
        return sqlValue("SELECT progress_value FROM achievements WHERE code=?",
                        {QLatin1String(code)})
                .toInt();
    }
    int runs() { return sqlValue("SELECT COUNT(*) FROM game_records").toInt(); }

    std::unique_ptr<TestStorage> storage;
    std::unique_ptr<Recorder> recorder;
};

void tst_Evaluation::invalidRunsWriteNothing_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("wall");
    QTest::addColumn<QString>("endReason");
    QTest::newRow("empty id") << "" << 5 << 0 << "wall";
    QTest::newRow("negative collisions") << "x" << 5 << -1 << "wall";
    QTest::newRow("end reason case") << "x" << 5 << 0 << "Wall";
    QTest::newRow("catalogue not imported") << "x" << 5 << 0 << "wall";
}

void tst_Evaluation::invalidRunsWriteNothing()
{
    QFETCH(QString, id);
    QFETCH(int, score);
    QFETCH(int, wall);
    QFETCH(QString, endReason);
    const QString state = QStringLiteral("SELECT group_concat(updated_at||progress_value) FROM "
                                         "achievements");
    const QString before = sqlValue(state).toString();
    Recorder fresh; // its catalogue never imported
    const bool imported = QTest::currentDataTag() != QLatin1String("catalogue not imported");
    QVERIFY(!(imported ? *recorder : fresh).record({score, endReason, "endless", wall, 0, 0, id}));
    QCOMPARE(runs(), 0);
    QCOMPARE(sqlValue(state).toString(), before);
}

void tst_Evaluation::repeatedRun()
{
    QVERIFY(record({30, "wall", "endless", 0, 0, 0, "same"}));
    QCOMPARE(progress("score_50"), 30);
    QCOMPARE(progress("every_point_counts"), 30);
    // Identical again: success, nothing moves twice.
    QVERIFY(record({30, "wall", "endless", 0, 0, 0, "same"}));
    QCOMPARE(progress("every_point_counts"), 30);
    QCOMPARE(runs(), 1);
    // Same id, different values: refused.
    QVERIFY(!record({31, "wall", "endless", 0, 0, 0, "same"}));
    QVERIFY(!record({30, "fall", "endless", 0, 0, 0, "same"}));
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
    QCOMPARE(unlocked("practice_more"), progresses.last() == 5);
}

void tst_Evaluation::scoreDrop_data()
{
    QTest::addColumn<QVariantList>("runs"); // [score, endReason, mode] in order
    QTest::addColumn<bool>("expected");
    auto run = [](int score, const char *reason, const char *mode = "endless") {
        return QVariant(QVariantList{score, QLatin1String(reason), QLatin1String(mode)});
    };
    QTest::newRow("death at 0 after death at 50")
            << QVariantList{run(50, "wall"), run(0, "fall")} << true;
    QTest::newRow("previous 49") << QVariantList{run(49, "wall"), run(0, "wall")} << false;
    QTest::newRow("previous abandoned")
            << QVariantList{run(60, "abandoned"), run(0, "wall")} << false;
    QTest::newRow("current abandoned")
            << QVariantList{run(60, "wall"), run(0, "abandoned")} << false;
    QTest::newRow("current 1") << QVariantList{run(60, "wall"), run(1, "wall")} << false;
    QTest::newRow("previous in other mode")
            << QVariantList{run(60, "wall", "other"), run(0, "wall")} << false;
    QTest::newRow("insertion order, not timestamps")
            << QVariantList{run(10, "wall"), run(60, "wall"), run(0, "wall")} << true;
}

void tst_Evaluation::scoreDrop()
{
    QFETCH(QVariantList, runs);
    QFETCH(bool, expected);
    for (const QVariant &entry : runs) {
        const QVariantList r = entry.toList();
        QVERIFY(record({r.at(0).toInt(), r.at(1).toString(), r.at(2).toString()}));
    }
    QCOMPARE(unlocked("clown_moment"), expected);
    QCOMPARE(progress("clown_moment"), expected ? 1 : 0);
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
    QVERIFY(unlocked("headstrong"));
}

void tst_Evaluation::bestScoreNeverLowered()
{
    QVERIFY(record({40, "abandoned", "endless", 0, 0, 12}));
    QCOMPARE(progress("stay_in_place"), 12);
    QVERIFY(record({10, "wall", "other"}));
    QCOMPARE(progress("score_50"), 40);
    QVERIFY(record({250, "fall"}));
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
    QVERIFY(!unlocked("clown_moment"));
}

void tst_Evaluation::failedWriteRollsBackRun()
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

    // Achievements that cannot be read take the run with them too.
    QVERIFY(sql("UPDATE achievements SET parameters='[]' WHERE code='headstrong'").isActive());
    QTest::ignoreMessage(QtWarningMsg, "[AchievementDao] invalid parameters: \"headstrong\"");
    QTest::ignoreMessage(QtWarningMsg, "[AchievementService] game settlement rolled back");
    QVERIFY(!record({30, "wall"}));
    QCOMPARE(runs(), 1);
}

void tst_Evaluation::achievementList()
{
    QVERIFY(record({55, "wall"}));
    QVERIFY(sql("UPDATE achievements SET is_enabled=0 WHERE code='score_200'").isActive());
    QVariantMap list = recorder->service.achievements();
    QVERIFY(list.value("ok").toBool());
    QStringList codes;
    for (const QVariant &item : list.value("items").toList())
        codes << item.toMap().value("code").toString();
    // Disabled ones left out, hidden conditions listed too.
    QCOMPARE(codes,
             QStringList({"score_50", "score_500", "headstrong", "every_point_counts",
                          "stay_in_place", "practice_more", "clown_moment"}));
    const QVariantMap first = list.value("items").toList().first().toMap();
    QVERIFY(first.value("unlocked").toBool() && first.value("notificationPending").toBool());
    QVERIFY(first.value("unlockedAt").toString().endsWith('Z'));

    QVERIFY(sql("UPDATE achievements SET parameters='5' WHERE code='headstrong'").isActive());
    QTest::ignoreMessage(QtWarningMsg, "[AchievementDao] invalid parameters: \"headstrong\"");
    list = recorder->service.achievements();
    QVERIFY(!list.value("ok").toBool());
    QVERIFY(list.value("items").toList().isEmpty());

    Recorder uninitialized;
    QVERIFY(!uninitialized.service.achievements().value("ok").toBool());
}

QTEST_GUILESS_MAIN(tst_Evaluation)
#include "tst_evaluation.moc"

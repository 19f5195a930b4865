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
    QString endReason = QStringLiteral("wall");
    QString mode = QStringLiteral("endless");
    int wall = 0;
    int block = 0;
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
        return service.recordGame(&r, &records);
    }
};

int value(const char *code, const char *column = "progress_value")
{
    return sqlValue(QStringLiteral("SELECT %1 FROM achievements WHERE code=?").arg(column),
                    {QLatin1String(code)})
            .toInt();
}
int runs()
{
    return sqlValue("SELECT COUNT(*) FROM game_records").toInt();
}

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

    void refusedRunWritesNothing_data();
    void refusedRunWritesNothing();
    void repeatedRun();
    void runsInOrder_data();
    void runsInOrder();
    void totalsPerModeCanLowerProgress();
    void missingParametersNeverMove();
    void failedWriteRollsBackRun();
    void achievementList();

private:
    bool record(const Run &run) { return recorder->record(run); }

    std::unique_ptr<TestStorage> storage;
    std::unique_ptr<Recorder> recorder;
};

void tst_Evaluation::refusedRunWritesNothing_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("wall");
    QTest::addColumn<QString>("endReason");
    QTest::newRow("empty id") << "" << 0 << "wall";
    QTest::newRow("negative collisions") << "x" << -1 << "wall";
    QTest::newRow("end reason case") << "x" << 0 << "Wall";
    QTest::newRow("catalogue not imported") << "x" << 0 << "wall";
}

void tst_Evaluation::refusedRunWritesNothing()
{
    QFETCH(QString, id);
    QFETCH(int, wall);
    QFETCH(QString, endReason);
    const QString state("SELECT group_concat(updated_at||progress_value) FROM achievements");
    const QString before = sqlValue(state).toString();
    Recorder fresh; // its catalogue never imported
    const bool imported = QTest::currentDataTag() != QLatin1String("catalogue not imported");
    QVERIFY(!(imported ? *recorder : fresh).record({5, endReason, "endless", wall, 0, id}));
    QCOMPARE(runs(), 0);
    QCOMPARE(sqlValue(state).toString(), before);
}

// Stored already: identical is success and moves nothing twice; differing is refused.
void tst_Evaluation::repeatedRun()
{
    for (int i = 0; i < 2; ++i)
        QVERIFY(record({30, "wall", "endless", 0, 0, "same"}));
    QVERIFY(!record({31, "wall", "endless", 0, 0, "same"}));
    QVERIFY(!record({30, "fall", "endless", 0, 0, "same"}));
    QCOMPARE(runs(), 1);
    QCOMPARE(value("every_point_counts") + value("score_50"), 60);
}

// The achievements that look at the last runs, in the order they were stored.
void tst_Evaluation::runsInOrder_data()
{
    // "score[:reason[:mode]] ... = practice_more after each run, then clown_moment"
    QTest::addColumn<QString>("script");
    QTest::newRow("five low deaths") << "3 10 0 7 9 = 1 2 3 4 5 0";
    QTest::newRow("eleven resets") << "3 10 0 7 11 5 = 1 2 3 4 0 1 0";
    QTest::newRow("abandoned resets") << "3 10 1:abandoned 2 = 1 2 0 1 0";
    QTest::newRow("drop 50 to 0") << "50 0:fall = 0 1 1";
    QTest::newRow("drop from 49") << "49 0 = 0 1 0";
    QTest::newRow("drop to 1") << "60 1 = 0 1 0";
    QTest::newRow("drop from abandoned") << "60:abandoned 0 = 0 1 0";
    QTest::newRow("drop to abandoned") << "60 0:abandoned = 0 0 0";
    QTest::newRow("drop across modes") << "60:wall:other 0 = 0 1 0";
    QTest::newRow("by insertion order") << "10 60 0 = 1 0 1 1";
}

void tst_Evaluation::runsInOrder()
{
    QFETCH(QString, script);
    QStringList seen;
    for (const QString &run : script.section(" = ", 0, 0).split(' ')) {
        const QStringList r = run.split(':');
        QVERIFY(record({r.at(0).toInt(), r.value(1, "wall"), r.value(2, "endless")}));
        seen << QString::number(value("practice_more"));
    }
    seen << QString::number(value("clown_moment"));
    QCOMPARE(seen.join(' '), script.section(" = ", 1));
    QCOMPARE(value("practice_more", "is_unlocked") == 1, seen.contains("5"));
    QCOMPARE(value("clown_moment", "is_unlocked") == 1, seen.last() == "1");
}

// Totals over the mode of the run: a run in a new mode lowers the progress.
void tst_Evaluation::totalsPerModeCanLowerProgress()
{
    QVERIFY(record({0, "wall", "A", 60, 60}));
    QCOMPARE(value("headstrong"), 120);
    QVERIFY(record({0, "wall", "B", 10, 1}));
    QCOMPARE(value("headstrong"), 11);
    QVERIFY(record({0, "wall", "A", 15, 15}));
    QCOMPARE(value("headstrong"), 150);
    QVERIFY(value("headstrong", "is_unlocked"));
}

// A stored row without its parameters never moves, whatever the runs.
void tst_Evaluation::missingParametersNeverMove()
{
    QVERIFY(sql("UPDATE achievements SET parameters='{}', progress_value=1 WHERE code IN "
                "('practice_more','clown_moment')")
                    .isActive());
    for (const Run &run : {Run{60}, Run{0}, Run{50, "abandoned"}})
        QVERIFY(record(run));
    QCOMPARE(value("practice_more") + value("clown_moment"), 2);
}

void tst_Evaluation::failedWriteRollsBackRun()
{
    // The reward skin of score_50 is gone: its unlock must fail, and take the run with it.
    QVERIFY(sql("DELETE FROM skins WHERE id='skin_confident'").isActive());
    QTest::ignoreMessage(QtWarningMsg, "[AchievementService] game settlement rolled back");
    QVERIFY(!record({60}));
    QCOMPARE(runs() + value("every_point_counts"), 0);
    QVERIFY(record({20})); // the connection is usable again

    // Achievements that cannot be read take the run with them too.
    QVERIFY(sql("UPDATE achievements SET parameters='[]' WHERE code='headstrong'").isActive());
    QTest::ignoreMessage(QtWarningMsg, "[AchievementDao] invalid parameters: \"headstrong\"");
    QTest::ignoreMessage(QtWarningMsg, "[AchievementService] game settlement rolled back");
    QVERIFY(!record({30}));
    QCOMPARE(runs(), 1);
}

void tst_Evaluation::achievementList()
{
    QVERIFY(record({55}));
    QVERIFY(sql("UPDATE achievements SET is_enabled=0 WHERE code='score_200'").isActive());
    const QVariantMap list = recorder->service.achievements();
    QVERIFY(list.value("ok").toBool());
    QStringList codes;
    for (const QVariant &item : list.value("items").toList())
        codes << item.toMap().value("code").toString();
    // Disabled ones left out, hidden conditions listed too, in catalogue order.
    QCOMPARE(codes.join(','),
             QStringLiteral("score_50,score_500,headstrong,every_point_counts,"
                            "stay_in_place,practice_more,clown_moment"));
    const QVariantMap first = list.value("items").toList().first().toMap();
    QVERIFY(first.value("unlocked").toBool() && first.value("notificationPending").toBool());
    QVERIFY(first.value("unlockedAt").toString().endsWith('Z'));

    QVERIFY(sql("UPDATE achievements SET parameters='5' WHERE code='headstrong'").isActive());
    QTest::ignoreMessage(QtWarningMsg, "[AchievementDao] invalid parameters: \"headstrong\"");
    QCOMPARE(recorder->service.achievements(),
             (QVariantMap{{"ok", false}, {"items", QVariantList()}}));
    QVERIFY(!Recorder().service.achievements().value("ok").toBool());
}

QTEST_GUILESS_MAIN(tst_Evaluation)
#include "tst_evaluation.moc"

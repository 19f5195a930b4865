#include "achievementdao.h"
#include "achievementservice.h"
#include "testsupport.h"

class tst_AchievementDao : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setTestApplicationNames(); }
    void init();
    void cleanup() { storage.reset(); }

    void loadAllOrderAndBadParameters();
    void applyProgress_data();
    void applyProgress();
    void unlockTakesRewardSkinAlong();
    void missingRewardSkinUnlocksNothing();
    void unlockedIsFinal();
    void writePresetKeepsStateAndGuardsReward();
    void acknowledgeAllOrNothing();
    void runStatistics();
    void serviceEntryPoints();

private:
    QString row(const QString &code)
    {
        return sqlValue("SELECT "
                        "progress_value||'|'||is_unlocked||'|'||IFNULL(unlocked_at,'-')||'|'||"
                        "notification_pending||'|'||updated_at FROM achievements WHERE code=?",
                        {code})
                .toString();
    }
    std::unique_ptr<TestStorage> storage;
    AchievementDao *dao = nullptr;
};

void tst_AchievementDao::init()
{
    storage.reset(new TestStorage);
    QVERIFY(DatabaseConnection::initialize());
    delete dao;
    dao = new AchievementDao(this);
    AchievementService service(dao);
    QVERIFY(service.initializePresets());
}



void tst_AchievementDao::loadAllOrderAndBadParameters()
{
    QList<Achievement> list;
    QVERIFY(dao->loadAll(list));
    QCOMPARE(list.size(), 8);
    QCOMPARE(list.first().code, QStringLiteral("score_50"));
    QCOMPARE(list.at(6).parameters.value("max_score").toInt(), 10);
    QCOMPARE(list.first().rewardSkinId, QStringLiteral("skin_confident"));
    QVERIFY(list.first().unlockedAt.isEmpty());

    // Ties in sort order go by code.
    QVERIFY(sql("UPDATE achievements SET sort_order=1 WHERE code IN ('score_500','headstrong')")
                    .isActive());
    QVERIFY(dao->loadAll(list));
    QCOMPARE(list.at(0).code, QStringLiteral("headstrong"));
    QCOMPARE(list.at(1).code, QStringLiteral("score_500"));

    QVERIFY(sql("UPDATE achievements SET parameters='[1]' WHERE code='headstrong'").isActive());
    QTest::ignoreMessage(QtWarningMsg, "[AchievementDao] invalid parameters: \"headstrong\"");
    QVERIFY(!dao->loadAll(list));
    QVERIFY(list.isEmpty());
    QVERIFY(sql("UPDATE achievements SET parameters='nonsense' WHERE code='headstrong'")
                    .isActive());
    QTest::ignoreMessage(QtWarningMsg, "[AchievementDao] invalid parameters: \"headstrong\"");
    QVERIFY(!dao->loadAll(list));
}

void tst_AchievementDao::applyProgress_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("progress");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("stored");
    QTest::newRow("negative") << "score_50" << -1 << false << 0;
    QTest::newRow("unknown code") << "nope" << 5 << false << 0;
    QTest::newRow("partial") << "score_50" << 20 << true << 20;
    QTest::newRow("clamped at target") << "score_50" << 70 << true << 50;
}

void tst_AchievementDao::applyProgress()
{
    QFETCH(QString, code);
    QFETCH(int, progress);
    QFETCH(bool, result);
    QFETCH(int, stored);
    QCOMPARE(dao->applyProgress(code, progress), result);
    QCOMPARE(sqlValue("SELECT progress_value FROM achievements WHERE code='score_50'").toInt(),
             stored);

    QVERIFY(sql("UPDATE achievements SET is_enabled=0 WHERE code='score_200'").isActive());
    QVERIFY(!dao->applyProgress("score_200", 10));
    // Progress of a locked achievement may go down.
    QVERIFY(dao->applyProgress("score_500", 4));
    QVERIFY(dao->applyProgress("score_500", 3));
    QCOMPARE(sqlValue("SELECT progress_value FROM achievements WHERE code='score_500'").toInt(), 3);
}

void tst_AchievementDao::unlockTakesRewardSkinAlong()
{
    QVERIFY(dao->applyProgress("score_50", 70));
    const QStringList parts = row("score_50").split('|');
    QCOMPARE(parts.at(0), QStringLiteral("50"));
    QCOMPARE(parts.at(1), QStringLiteral("1"));
    QCOMPARE(parts.at(2), parts.at(4)); // unlocked_at and updated_at share one timestamp
    QCOMPARE(parts.at(3), QStringLiteral("1"));
    QCOMPARE(sqlValue("SELECT is_unlocked FROM skins WHERE id='skin_confident'").toInt(), 1);
    QCOMPARE(sqlValue("SELECT updated_at FROM skins WHERE id='skin_confident'").toString(),
             parts.at(4));
}

void tst_AchievementDao::missingRewardSkinUnlocksNothing()
{
    QVERIFY(sql("DELETE FROM skins WHERE id='skin_confident'").isActive());
    const QString before = row("score_50");
    QVERIFY(!dao->applyProgress("score_50", 50));
    QCOMPARE(row("score_50"), before);
    // An already unlocked reward skin is still exactly one row: fine.
    QVERIFY(sql("UPDATE skins SET is_unlocked=1 WHERE id='skin_shouting'").isActive());
    QVERIFY(dao->applyProgress("score_200", 200));
}

void tst_AchievementDao::unlockedIsFinal()
{
    QVERIFY(dao->applyProgress("score_50", 50));
    const QString all = sqlValue("SELECT "
                                 "group_concat(id||created_at||updated_at||progress_value||"
                                 "unlocked_at) FROM achievements WHERE code='score_50'")
                                .toString();
    QVERIFY(dao->applyProgress("score_50", 10));
    QVERIFY(dao->applyProgress("score_50", 50));
    QCOMPARE(
            sqlValue("SELECT group_concat(id||created_at||updated_at||progress_value||unlocked_at) "
                     "FROM achievements WHERE code='score_50'")
                    .toString(),
            all);
}

void tst_AchievementDao::writePresetKeepsStateAndGuardsReward()
{
    QVERIFY(dao->applyProgress("score_50", 50));
    QList<Achievement> list;
    QVERIFY(dao->loadAll(list));
    Achievement a = list.first();
    a.targetValue = 40;
    a.sortOrder = 99;
    QVERIFY(dao->upsertPreset(a));
    QCOMPARE(sqlValue("SELECT "
                      "target_value||'|'||sort_order||'|'||is_unlocked||'|'||notification_pending||"
                      "'|'||progress_value FROM achievements WHERE code='score_50'")
                     .toString(),
             QStringLiteral("40|99|1|1|50"));

    a.rewardSkinId = QStringLiteral("skin_clown");
    QVERIFY(sql("UPDATE achievements SET reward_skin_id=NULL WHERE code='clown_moment'")
                    .isActive());
    QVERIFY(!dao->upsertPreset(a));
    Achievement ghost;
    ghost.code = QStringLiteral("ghost");
    ghost.conditionType = Achievement::BestScore;
    ghost.rewardSkinId = QStringLiteral("skin_nothing");
    QVERIFY(!dao->upsertPreset(ghost));
    QCOMPARE(sqlValue("SELECT COUNT(*) FROM achievements").toInt(), 8);
    ghost.rewardSkinId.clear();
    QVERIFY(dao->upsertPreset(ghost));
    QVERIFY(sqlValue("SELECT reward_skin_id IS NULL FROM achievements WHERE code='ghost'")
                    .toBool());
}

void tst_AchievementDao::acknowledgeAllOrNothing()
{
    QVERIFY(dao->applyProgress("score_50", 50));
    QVERIFY(dao->applyProgress("score_200", 200));
    QVERIFY(!dao->acknowledgeNotifications({}));
    QVERIFY(!dao->acknowledgeNotifications({"score_50", ""}));
    QVERIFY(!dao->acknowledgeNotifications({"score_50", "score_500"})); // locked
    QVERIFY(!dao->acknowledgeNotifications({"score_50", "nope"}));
    QCOMPARE(sqlValue("SELECT SUM(notification_pending) FROM achievements").toInt(), 2);
    QVERIFY(dao->acknowledgeNotifications({"score_50"}));
    QVERIFY(dao->acknowledgeNotifications({"score_50"}));
    QCOMPARE(sqlValue("SELECT group_concat(code) FROM achievements WHERE notification_pending=1")
                     .toString(),
             QStringLiteral("score_200"));
}

void tst_AchievementDao::runStatistics()
{
    qint64 total = -1, collisions = -1;
    QVariantList recent;
    QVERIFY(dao->runStatistics("endless", 5, total, collisions, recent));
    QCOMPARE(total, 0);
    QCOMPARE(collisions, 0);
    QVERIFY(recent.isEmpty());

    const QString insert
            = QStringLiteral("INSERT INTO game_records "
                             "(id,mode_id,score,wall_collision_count,block_collision_count,end_"
                             "reason,created_at,updated_at) VALUES (?,?,?,?,?,?,'t','t')");
    QVERIFY(sql(insert, {"a", "endless", 2000000000, 1, 2, "wall"}).isActive());
    QVERIFY(sql(insert, {"b", "endless", 2000000000, 3, 0, "abandoned"}).isActive());
    QVERIFY(sql(insert, {"c", "other", 7, 100, 100, "fall"}).isActive());
    QVERIFY(dao->runStatistics("endless", 0, total, collisions, recent));
    QCOMPARE(total, Q_INT64_C(4000000000)); // beyond 32 bits
    QCOMPARE(collisions, 6);
    QCOMPARE(recent.size(), 1);
    QCOMPARE(recent.first().toMap().value("endReason").toString(), QStringLiteral("abandoned"));
    QVERIFY(dao->runStatistics("endless", 10, total, collisions, recent));
    QCOMPARE(recent.size(), 2);
    QCOMPARE(recent.last().toMap().value("score").toLongLong(), 2000000000);
}

void tst_AchievementDao::serviceEntryPoints()
{
    AchievementService service(dao);
    QVERIFY(!service.updateProgress("score_50", -1));
    QVERIFY(service.updateProgress("score_50", 10));
    Achievement invalid;
    invalid.code = "x";
    invalid.conditionType = Achievement::ScoreDrop;
    QVERIFY(!service.upsertAchievement(invalid));
    AchievementService orphan(nullptr);
    QVERIFY(!orphan.updateProgress("score_50", 1));
    QVERIFY(!orphan.initializePresets());
    QVERIFY(!orphan.achievements().value("ok").toBool());
}

QTEST_GUILESS_MAIN(tst_AchievementDao)
#include "tst_achievementdao.moc"

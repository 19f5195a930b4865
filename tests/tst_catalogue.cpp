#include "achievements/achievementdao.h"
#include "achievements/achievementservice.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject entry(const QString &code, const QString &skin)
{
    return {{"code", code},           {"condition_type", 4},
            {"target_value", 50},     {"window_seconds", -1},
            {"sort_order", 10},       {"parameters", QJsonObject()},
            {"show_condition", true}, {"is_enabled", true},
            {"reward_skin_id", skin}, {"reward_skin_path", "qrc:/assets/skins/" + skin + ".png"}};
}

QByteArray catalogue(const QJsonArray &entries, const QJsonValue &version = 1)
{
    return QJsonDocument(QJsonObject{{"version", version}, {"achievements", entries}}).toJson();
}

int count(const char *table)
{
    return sqlValue(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))).toInt();
}

// Everything the player has earned, as one text.
QString playerState()
{
    return sqlValue("SELECT group_concat(id||created_at||progress_value||is_unlocked||"
                    "IFNULL(unlocked_at,'-')||notification_pending, ';') FROM achievements")
                   .toString()
            + sqlValue("SELECT group_concat(id||is_unlocked||is_selected) FROM skins").toString();
}

QString row(const QString &code)
{
    return sqlValue("SELECT progress_value||'|'||is_unlocked||'|'||IFNULL(unlocked_at,'-')||'|'||"
                    "notification_pending||'|'||updated_at FROM achievements WHERE code=?",
                    {code})
            .toString();
}

} // namespace

class tst_Catalogue : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setTestApplicationNames(); }
    void init()
    {
        storage.reset(new TestStorage);
        QVERIFY(DatabaseConnection::initialize());
        dao.reset(new AchievementDao);
        service.reset(new AchievementService(dao.get()));
    }
    void cleanup()
    {
        service.reset();
        dao.reset();
        storage.reset();
    }

    void invalidCatalogues_data();
    void invalidCatalogues();
    void freshDatabase();
    void repeatedImportKeepsPlayerState();
    void conflictingRewardRollsBackEverything_data();
    void conflictingRewardRollsBackEverything();
    void applyProgress();
    void rewardSkinTogetherOrNotAtAll();
    void acknowledgeAllOrNothing();
    void runStatistics();

private:
    std::unique_ptr<TestStorage> storage;
    std::unique_ptr<AchievementDao> dao;
    std::unique_ptr<AchievementService> service;
};

void tst_Catalogue::invalidCatalogues_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("valid");

    const QJsonObject good = entry("score_50", "confident");
    auto with = [&](const char *key, const QJsonValue &value) {
        QJsonObject o = good;
        o.insert(QLatin1String(key), value);
        return o;
    };
    auto without = [&](const char *key) {
        QJsonObject o = good;
        o.remove(QLatin1String(key));
        return o;
    };
    auto one = [](const QJsonObject &o) { return catalogue(QJsonArray{o}); };

    QTest::newRow("valid") << one(good) << true;
    QTest::newRow("one-letter code") << one(with("code", "a")) << true;
    QTest::newRow("show_condition as 1") << one(with("show_condition", 1)) << false;
    QTest::newRow("array root") << QByteArray("[]") << false;
    QTest::newRow("version 2") << catalogue(QJsonArray{good}, 2) << false;
    QTest::newRow("empty list") << catalogue(QJsonArray()) << false;
    QTest::newRow("entry not object") << catalogue(QJsonArray{good, 5}) << false;
    QTest::newRow("fractional type") << one(with("condition_type", 4.5)) << false;
    QTest::newRow("target as text") << one(with("target_value", "50")) << false;
    QTest::newRow("missing parameters") << one(without("parameters")) << false;
    QTest::newRow("type 9") << one(with("condition_type", 9)) << false;
    QTest::newRow("window on best score") << one(with("window_seconds", 60)) << false;
    QJsonObject window = with("condition_type", 3);
    QTest::newRow("time window without window") << one(window) << false;
    window.insert(QStringLiteral("window_seconds"), 60);
    QTest::newRow("time window") << one(window) << true;
    QTest::newRow("upper-case code") << one(with("code", "Score_50")) << false;
    QTest::newRow("code with trailing newline") << one(with("code", "score\n")) << false;
    QTest::newRow("reward default") << one(with("reward_skin_id", "default")) << false;
    QTest::newRow("duplicate code")
            << catalogue(QJsonArray{good, entry("score_50", "shouting")}) << false;
    QTest::newRow("duplicate reward")
            << catalogue(QJsonArray{good, entry("score_51", "confident")}) << false;
    QTest::newRow("path of another skin")
            << one(with("reward_skin_path", "qrc:/assets/skins/clown.png")) << false;
    QTest::newRow("skin without image") << one(entry("score_50", "pirate")) << false;

    QJsonObject streak = with("condition_type", 7);
    streak.insert(QStringLiteral("parameters"), QJsonObject{{"max_score", 10.5}});
    QTest::newRow("streak with fractional max_score") << one(streak) << false;
    streak.insert(QStringLiteral("parameters"), QJsonObject{{"max_score", 10.0}});
    QTest::newRow("streak with max_score 10.0") << one(streak) << true;
    QJsonObject drop = with("condition_type", 8);
    drop.insert(QStringLiteral("parameters"),
                QJsonObject{{"previous_min_score", 50}, {"current_score", 0}});
    QTest::newRow("score drop target 50") << one(drop) << false;
    drop.insert(QStringLiteral("target_value"), 1);
    QTest::newRow("score drop target 1") << one(drop) << true;
}

void tst_Catalogue::invalidCatalogues()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, valid);
    QList<Achievement> presets;
    QVariantMap skins;
    QCOMPARE(AchievementService::parseCatalogue(json, presets, skins), valid);
    if (!valid) {
        QVERIFY(presets.isEmpty());
        QVERIFY(skins.isEmpty());
    }
}

void tst_Catalogue::freshDatabase()
{
    QVERIFY(!service->isInitialized());
    QVERIFY(service->initializePresets());
    QVERIFY(service->isInitialized());

    QCOMPARE(sqlValue("SELECT group_concat(code) FROM achievements WHERE is_unlocked=0 AND "
                      "progress_value=0 AND notification_pending=0 AND unlocked_at IS NULL")
                     .toString(),
             QStringLiteral("score_50,score_200,score_500,headstrong,every_point_counts,"
                            "stay_in_place,practice_more,clown_moment"));
    QCOMPARE(sqlValue("SELECT reward_skin_id FROM achievements WHERE code='score_50'").toString(),
             QStringLiteral("skin_confident"));
    QCOMPARE(sqlValue("SELECT parameters FROM achievements WHERE code='clown_moment'").toString(),
             QStringLiteral("{\"current_score\":0,\"previous_min_score\":50}"));

    QCOMPARE(count("skins"), 9);
    QCOMPARE(sqlValue("SELECT COUNT(*) FROM skins WHERE id='skin_'||skin_id AND skin_name=skin_id "
                      "AND skin_path='qrc:/assets/skins/'||skin_id||'.png'")
                     .toInt(),
             9);
    QCOMPARE(sqlValue("SELECT group_concat(skin_id) FROM skins WHERE is_unlocked=1 OR "
                      "is_selected=1")
                     .toString(),
             QStringLiteral("default"));
    QCOMPARE(sqlValue("SELECT is_selected FROM skins WHERE skin_id='default'").toInt(), 1);
    // One timestamp for the whole import.
    QCOMPARE(sqlValue("SELECT COUNT(DISTINCT updated_at) FROM (SELECT updated_at FROM skins UNION "
                      "ALL SELECT updated_at FROM achievements)")
                     .toInt(),
             1);
}

void tst_Catalogue::repeatedImportKeepsPlayerState()
{
    // A skin row from before the first import keeps its id; the reward names it.
    QVERIFY(sql("INSERT INTO skins (id,skin_id,skin_name,skin_path,created_at,updated_at) "
                "VALUES ('old-confident','confident','Confident','x','t','t')")
                    .isActive());
    QVERIFY(service->initializePresets());
    QCOMPARE(sqlValue("SELECT reward_skin_id FROM achievements WHERE code='score_50'").toString(),
             QStringLiteral("old-confident"));

    QVERIFY(dao->updateProgress(QStringLiteral("score_50"), 60));
    QVERIFY(service->updateProgress(QStringLiteral("score_200"), 120));
    QVERIFY(sql("UPDATE skins SET skin_path='elsewhere' WHERE skin_id='dizzy'").isActive());
    QVERIFY(sql("UPDATE skins SET is_selected=(skin_id='confident')").isActive());
    const QString before = playerState();

    QVERIFY(service->initializePresets());
    QCOMPARE(count("achievements"), 8);
    QCOMPARE(count("skins"), 9);
    QCOMPARE(playerState(), before);
    QCOMPARE(sqlValue("SELECT skin_path FROM skins WHERE skin_id='dizzy'").toString(),
             QStringLiteral("qrc:/assets/skins/dizzy.png"));
    QCOMPARE(sqlValue("SELECT skin_name FROM skins WHERE skin_id='confident'").toString(),
             QStringLiteral("Confident"));
}

void tst_Catalogue::conflictingRewardRollsBackEverything_data()
{
    QTest::addColumn<QString>("arrange");
    QTest::addColumn<QString>("error");
    // A refusal of the import itself carries no statement error...
    QTest::newRow("unlocked with another reward")
            << "UPDATE achievements SET reward_skin_id=CASE code WHEN 'score_50' THEN 'skin_clown' "
               "END, is_unlocked=(code='score_50'), unlocked_at=CASE code WHEN 'score_50' THEN "
               "'t' END WHERE code IN ('score_50','clown_moment')"
            << "";
    // ...a constraint that fails a write does, and the warning carries it.
    QTest::newRow("reward held by a row outside the catalogue")
            << "UPDATE achievements SET code='retired' WHERE code='score_50'"
            << "UNIQUE constraint failed: achievements.reward_skin_id";
}

void tst_Catalogue::conflictingRewardRollsBackEverything()
{
    QFETCH(QString, arrange);
    QFETCH(QString, error);
    QVERIFY(service->initializePresets());
    QVERIFY(sql(arrange).isActive());
    QVERIFY(sql("UPDATE skins SET skin_path='before'").isActive());

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^\\[AchievementDao\\] preset import "
                                                           "failed: \"%1")
                                                    .arg(QRegularExpression::escape(error))
                                            + (error.isEmpty() ? "\"$" : "")));
    QTest::ignoreMessage(QtWarningMsg, "[AchievementService] preset initialization failed");
    AchievementService again(dao.get());
    QVERIFY(!again.initializePresets());
    QVERIFY(!again.isInitialized());
    QCOMPARE(sqlValue("SELECT COUNT(*) FROM skins WHERE skin_path='before'").toInt(), 9);
    // The transaction is closed: the connection can write again.
    QVERIFY(sql("UPDATE skins SET skin_path='after'").isActive());
}

void tst_Catalogue::applyProgress()
{
    QVERIFY(service->initializePresets());
    QVERIFY(!dao->applyProgress("score_50", -1));
    QVERIFY(!dao->applyProgress("nope", 5));
    QVERIFY(sql("UPDATE achievements SET is_enabled=0 WHERE code='score_200'").isActive());
    QVERIFY(!dao->applyProgress("score_200", 10));
    QVERIFY(row("score_200").startsWith("0|0|"));
    // Progress of a locked achievement may go down.
    QVERIFY(dao->applyProgress("score_500", 4));
    QVERIFY(dao->applyProgress("score_500", 3));
    QVERIFY(row("score_500").startsWith("3|0|"));
}

void tst_Catalogue::rewardSkinTogetherOrNotAtAll()
{
    QVERIFY(service->initializePresets());
    QVERIFY(sql("DELETE FROM skins WHERE id='skin_confident'").isActive());
    const QString before = row("score_50");
    QVERIFY(!dao->applyProgress("score_50", 50));
    QCOMPARE(row("score_50"), before);

    // Clamped at the target; unlocked_at, updated_at and the skin share one timestamp.
    QVERIFY(dao->applyProgress("score_200", 270));
    const QStringList parts = row("score_200").split('|');
    QCOMPARE(parts.mid(0, 2), QStringList({"200", "1"}));
    QCOMPARE(parts.at(3), QStringLiteral("1"));
    QCOMPARE(parts.at(2), parts.at(4));
    QCOMPARE(sqlValue("SELECT is_unlocked||'|'||updated_at FROM skins WHERE id='skin_shouting'")
                     .toString(),
             QStringLiteral("1|") + parts.at(4));
    // Unlocked is final.
    QVERIFY(dao->applyProgress("score_200", 10));
    QCOMPARE(row("score_200").split('|'), parts);
    // A reward skin unlocked beforehand is fine too.
    QVERIFY(sql("UPDATE skins SET is_unlocked=1 WHERE id='skin_determined'").isActive());
    QVERIFY(dao->applyProgress("score_500", 500));
}

void tst_Catalogue::acknowledgeAllOrNothing()
{
    QVERIFY(service->initializePresets());
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

void tst_Catalogue::runStatistics()
{
    qint64 total = -1, collisions = -1;
    QVariantList recent;
    QVERIFY(dao->runStatistics("endless", 5, total, collisions, recent));
    QCOMPARE(total + collisions + recent.size(), 0);

    const QString insert
            = QStringLiteral("INSERT INTO game_records (id,mode_id,score,wall_collision_count,"
                             "block_collision_count,end_reason,created_at,updated_at) "
                             "VALUES (?,?,?,?,?,?,'t','t')");
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

QTEST_GUILESS_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"

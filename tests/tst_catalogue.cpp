#include "achievements/achievementdao.h"
#include "achievements/achievementservice.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// A valid entry, with the keys of the JSON object `patch` replaced.
QJsonObject entry(const char *patch = "{}")
{
    QJsonObject o = QJsonDocument::fromJson(R"({"code":"score_50","condition_type":4,
        "target_value":50,"window_seconds":-1,"sort_order":10,"parameters":{},"show_condition":
        true,"is_enabled":true,"reward_skin_id":"confident","reward_skin_path":
        "qrc:/assets/skins/confident.png"})")
                            .object();
    const QJsonObject changes = QJsonDocument::fromJson(patch).object();
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
        o.insert(it.key(), it.value());
    return o;
}

QByteArray catalogue(const QJsonArray &entries, int version = 1)
{
    return QJsonDocument(QJsonObject{{"version", version}, {"achievements", entries}}).toJson();
}

// Everything the player has earned, as one text.
QString playerState()
{
    return sqlText("SELECT group_concat(id||created_at||progress_value||is_unlocked||"
                   "IFNULL(unlocked_at,'-')||notification_pending, ';') FROM achievements")
            + sqlText("SELECT group_concat(id||is_unlocked||is_selected) FROM skins");
}

QString row(const QString &code)
{
    return sqlText("SELECT progress_value||'|'||is_unlocked||'|'||IFNULL(unlocked_at,'-')||'|'||"
                   "notification_pending||'|'||updated_at FROM achievements WHERE code=?",
                   {code});
}

struct Fixture
{
    TestStorage storage;
    bool opened = DatabaseConnection::initialize();
    AchievementDao dao;
    AchievementService service{&dao};
};

} // namespace

class tst_Catalogue : public QObject
{
    Q_OBJECT
private slots:
    // Every test but the first import's starts from the catalogue imported.
    void init()
    {
        f.reset(new Fixture);
        QVERIFY(f->opened
                && (QTest::currentTestFunction() == QByteArray("importKeepsPlayerState")
                    || f->service.initializePresets()));
    }
    void cleanup() { f.reset(); }

    void validation_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("valid");
        QTest::newRow("valid") << catalogue({entry()}) << true;
        QTest::newRow("time window")
                << catalogue({entry(R"({"condition_type":3,"window_seconds":60})")}) << true;
        // One entry wrong in one way, named by what is changed. The shipped
        // catalogue holds the valid streak (7) and score drop (8) entries.
        for (const char *patch :
             {R"({"code":"Score_50"})", R"({"code":"abc\n"})", R"({"show_condition":1})",
              R"({"condition_type":4.5})", R"({"sort_order":"10"})", R"({"condition_type":9})",
              R"({"parameters":[]})", R"({"window_seconds":60})", R"({"condition_type":3})",
              R"({"condition_type":7,"parameters":{"max_score":10.5}})",
              R"({"condition_type":8,"target_value":2,"parameters":{"previous_min_score":50,
                 "current_score":0}})",
              R"({"reward_skin_id":"default","reward_skin_path":"qrc:/assets/skins/default.png"})",
              R"({"reward_skin_path":"qrc:/assets/skins/clown.png"})",
              R"({"reward_skin_id":"pirate","reward_skin_path":"qrc:/assets/skins/pirate.png"})"})
            QTest::newRow(patch) << catalogue({entry(patch)}) << false;
        QTest::newRow("duplicate code")
                << catalogue({entry(), entry(R"({"reward_skin_id":"shouting",
                     "reward_skin_path":"qrc:/assets/skins/shouting.png"})")})
                << false;
        QTest::newRow("duplicate reward")
                << catalogue({entry(), entry(R"({"code":"b"})")}) << false;
        QTest::newRow("version 2") << catalogue({entry()}, 2) << false;
        QTest::newRow("empty list") << catalogue({}) << false;
    }

    void validation()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, valid);
        QList<Achievement> presets{Achievement()};
        QVariantMap skins{{"stale", 1}};
        QCOMPARE(AchievementService::parseCatalogue(json, presets, skins), valid);
        QCOMPARE(presets.size() + skins.size(), valid ? 2 : 0);
    }

    // The first import fills the database; a later one changes nothing the
    // player has earned. A skin row from before keeps its id and name.
    void importKeepsPlayerState()
    {
        QVERIFY(sql("INSERT INTO skins (id,skin_id,skin_name,skin_path,created_at,updated_at) "
                    "VALUES ('old-confident','confident','Confident','x','t','t')")
                        .isActive());
        QVERIFY(!f->service.isInitialized());
        QVERIFY(f->service.initializePresets() && f->service.isInitialized());
        // All locked and untouched; the rewards and parameters of the
        // catalogue; nine skins named alike, only the default one unlocked and
        // worn; one timestamp for the whole import.
        QCOMPARE(sqlText("SELECT (SELECT group_concat(code) FROM achievements WHERE is_unlocked=0 "
                         "AND progress_value=0 AND notification_pending=0 AND unlocked_at IS NULL)"
                         "||' '||(SELECT group_concat(r) FROM (SELECT reward_skin_id||parameters "
                         "AS r FROM achievements WHERE code IN ('score_50','clown_moment') ORDER "
                         "BY code))||' '||(SELECT COUNT(*)||group_concat(CASE WHEN is_unlocked OR "
                         "is_selected THEN skin_id||is_unlocked||is_selected END) FROM skins WHERE "
                         "skin_path='qrc:/assets/skins/'||skin_id||'.png' AND (id='skin_'||skin_id "
                         "AND skin_name=skin_id OR id='old-confident' AND skin_name='Confident'))"
                         "||' '||(SELECT COUNT(DISTINCT updated_at) FROM (SELECT updated_at FROM "
                         "skins UNION ALL SELECT updated_at FROM achievements))"),
                 QStringLiteral(
                         "score_50,score_200,score_500,headstrong,every_point_counts,"
                         "stay_in_place,practice_more,clown_moment skin_clown{\"current_"
                         "score\":0,\"previous_min_score\":50},old-confident{} 9default11 1"));

        QVERIFY(f->dao.updateProgress(QStringLiteral("score_50"), 60));
        QVERIFY(sql("UPDATE skins SET skin_path='elsewhere' WHERE skin_id='dizzy'").isActive());
        QVERIFY(sql("UPDATE skins SET is_selected=(skin_id='confident')").isActive());
        const QString before = playerState();
        QVERIFY(f->service.initializePresets());
        QCOMPARE(playerState(), before);
        QCOMPARE(sqlText("SELECT (SELECT COUNT(*) FROM achievements)||' '||skin_path FROM skins "
                         "WHERE skin_id='dizzy'"),
                 QStringLiteral("8 qrc:/assets/skins/dizzy.png"));
    }

    void conflictingRewardRollsBackEverything_data()
    {
        QTest::addColumn<QString>("arrange");
        QTest::addColumn<QString>("error");
        // A refusal of the import itself carries no statement error...
        QTest::newRow("unlocked with another reward")
                << "UPDATE achievements SET reward_skin_id=CASE code WHEN 'score_50' THEN "
                   "'skin_clown' END, is_unlocked=(code='score_50'), unlocked_at=CASE code WHEN "
                   "'score_50' THEN 't' END WHERE code IN ('score_50','clown_moment')"
                << "";
        // ...a constraint that fails a write does, and the warning carries it...
        QTest::newRow("reward held by a row outside the catalogue")
                << "UPDATE achievements SET code='retired' WHERE code='score_50'"
                << "UNIQUE constraint failed: achievements.reward_skin_id";
        // ...and so does one that fails the commit.
        QTest::newRow("commit refused")
                << "PRAGMA foreign_keys=ON\n"
                   "CREATE TABLE claims (skin REFERENCES skins(skin_id) DEFERRABLE INITIALLY "
                   "DEFERRED)\n"
                   "CREATE TRIGGER claim AFTER UPDATE ON skins WHEN NEW.skin_path LIKE 'qrc:%' "
                   "BEGIN INSERT INTO claims VALUES ('gone'); END"
                << "FOREIGN KEY constraint failed";
    }

    void conflictingRewardRollsBackEverything()
    {
        QFETCH(QString, arrange);
        QFETCH(QString, error);
        // One statement a line.
        for (const QString &statement : arrange.split('\n'))
            QVERIFY(sql(statement).isActive());
        QVERIFY(sql("UPDATE skins SET skin_path='before'").isActive());
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^\\[AchievementDao\\] preset import failed: \""
                                                + QRegularExpression::escape(error)
                                                + (error.isEmpty() ? "\"$" : "")));
        QTest::ignoreMessage(QtWarningMsg, "[AchievementService] preset initialization failed");
        AchievementService again(&f->dao);
        QVERIFY(!again.initializePresets() && !again.isInitialized());
        QCOMPARE(sqlText("SELECT COUNT(*) FROM skins WHERE skin_path='before'"),
                 QStringLiteral("9"));
        // The transaction is closed: the connection can write again.
        QVERIFY(sql("UPDATE skins SET skin_path='after'").isActive());
    }

    void applyProgress()
    {
        QVERIFY(sql("UPDATE achievements SET is_enabled=0 WHERE code='score_200'").isActive());
        QVERIFY(!f->dao.applyProgress("score_500", -1) && !f->dao.applyProgress("nope", 5));
        QVERIFY(!f->dao.applyProgress("score_200", 10));
        // Without its reward skin the unlock does not happen at all.
        QVERIFY(sql("DELETE FROM skins WHERE id='skin_confident'").isActive());
        QVERIFY(!f->dao.applyProgress("score_50", 50));
        QCOMPARE(row("score_50") + row("score_200") + row("score_500"),
                 sqlText("SELECT group_concat('0|0|-|0|'||updated_at, '') FROM achievements WHERE "
                         "code LIKE 'score_%'"));

        // Clamped at the target; unlocked_at, updated_at and the skin share one timestamp.
        QVERIFY(f->dao.applyProgress("score_500", 600));
        const QStringList parts = row("score_500").split('|');
        QCOMPARE(parts.mid(0, 2) + parts.mid(3, 1), QStringList({"500", "1", "1"}));
        QCOMPARE(parts.at(2), parts.at(4));
        QCOMPARE(sqlText("SELECT is_unlocked||'|'||updated_at FROM skins WHERE "
                         "id='skin_determined'"),
                 "1|" + parts.at(4));
        // Unlocked is final.
        QVERIFY(f->dao.applyProgress("score_500", 10));
        QCOMPARE(row("score_500").split('|'), parts);
        // A reward skin unlocked beforehand is fine too.
        QVERIFY(sql("UPDATE skins SET is_unlocked=1 WHERE id='skin_injured'").isActive());
        QVERIFY(f->dao.applyProgress("headstrong", 1000));
    }

    void acknowledgeAllOrNothing()
    {
        QVERIFY(f->dao.applyProgress("score_50", 50) && f->dao.applyProgress("score_200", 200));
        for (const QVariantList &codes : {QVariantList(), QVariantList{"score_50", ""},
                                          QVariantList{"score_50", "score_500"}, // locked
                                          QVariantList{"score_50", "nope"}})
            QVERIFY(!f->dao.acknowledgeNotifications(codes));
        QCOMPARE(sqlText("SELECT SUM(notification_pending) FROM achievements"),
                 QStringLiteral("2"));
        QVERIFY(f->dao.acknowledgeNotifications({"score_50"})
                && f->dao.acknowledgeNotifications({"score_50"}));
        QCOMPARE(
                sqlText("SELECT group_concat(code) FROM achievements WHERE notification_pending=1"),
                QStringLiteral("score_200"));
    }

private:
    std::unique_ptr<Fixture> f;
};

QTEST_GUILESS_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"

#include "achievements/achievementdao.h"
#include "achievements/achievementservice.h"
#include "settlement/gamerecordservice.h"
#include "settlement/skinservice.h"
#include "storage/databaseschema.h"
#include "storage/gamerecord.h"
#include "storage/gamerecorddao.h"
#include "storage/skindao.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <random>

namespace {

GameRecord *makeRun(QObject *parent, const QString &id, const QString &mode, int score,
                    const QVariant &y = QVariant(), const QVariant &x = QVariant())
{
    auto *record = new GameRecord(parent);
    const QVariantMap values{{"componentId", id},   {"modeId", mode},   {"score", score},
                             {"endReason", "wall"}, {"startedAt", "s"}, {"endedAt", "é"},
                             {"deathWorldY", y},    {"deathWorldX", x}};
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        record->setProperty(qPrintable(it.key()), it.value());
    return record;
}

// clown (locked), default (unlocked, selected), money (unlocked)
bool insertSkins()
{
    return sql("INSERT INTO skins VALUES ('skin_clown','clown','clown','p',0,0,'t0','t0'),"
               "('skin_default','default','default','p',1,1,'t0','t0'),"
               "('skin_money','money','money','p',1,0,'t0','t0')")
            .isActive();
}

// Every key, value type and value of a list of maps, as text.
QStringList described(const QVariantList &maps)
{
    QStringList lines;
    for (const QVariant &map : maps) {
        const QVariantMap m = map.toMap();
        for (auto it = m.constBegin(); it != m.constEnd(); ++it)
            lines << it.key() + ' ' + it.value().typeName() + ' '
                            + (it.value().isNull() ? "null" : it.value().toString());
    }
    return lines;
}

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

} // namespace

// The storage layer and the achievement catalogue on it, each test on a
// database of its own (the catalogue imported only where a test says so).
class tst_Storage : public QObject
{
    Q_OBJECT
    struct Fixture
    {
        AchievementDao dao;
        AchievementService service{&dao};
    };
    std::unique_ptr<TestStorage> storage;
    std::unique_ptr<Fixture> f;

private slots:
    void init()
    {
        storage.reset(new TestStorage);
        f.reset(new Fixture);
        QVERIFY(DatabaseConnection::initialize());
    }
    void cleanup()
    {
        f.reset();
        storage.reset();
    }

    // The code lays the table definitions out for reading; the database must
    // still get, and keep in sqlite_master, the one-line text that files written
    // by earlier versions hold. The hash pins that text; a failure prints it.
    // The tables are made sure of once per connection; when another program
    // takes them away, the next request's check brings them back. A list that
    // cannot be read answers empty but says why: otherwise a damaged database
    // looks like a player without skins (the runs' list: tst_brokenenvironment).
    void schema()
    {
        const QString schema = sqlText("SELECT group_concat(sql, char(10)) FROM (SELECT sql FROM "
                                       "sqlite_master WHERE name IN ('game_records','skins',"
                                       "'achievements') ORDER BY rowid)");
        QVERIFY2(QCryptographicHash::hash(schema.toUtf8(), QCryptographicHash::Sha1).toHex()
                         == "5d60ecf5f7b881aff90223dcd409e60e8aac95fe",
                 qPrintable(schema));

        DatabaseCheck other(storage->databasePath());
        QCOMPARE(other.texts("DROP TABLE skins") + other.texts("DROP TABLE game_records"),
                 QStringList());
        SkinDao skins;
        GameRecordDao runs;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^\\[SkinDao\\] find all failed: \"no such table"));
        QCOMPARE(SkinService(&skins).skins(), QVariantList());
        QVERIFY(DatabaseConnection::initialize() && insertSkins());
        QVERIFY(runs.insert(makeRun(this, "r", "endless", 1)));
        QCOMPARE(skins.findAll().size() + runs.findAll(QString()).size(), 4);
    }

    // A database of the version before the write-ahead log, in the rollback
    // journal: it opens with its rows and takes new ones, durably, and a
    // connection that sets nothing, as that version opened it, still reads all.
    // Its table lacks the collision columns, so the run totals cannot be added:
    // nothing of them is left behind and the runs are read by scanning.
    void earlierDatabaseKeepsWorking()
    {
        DatabaseConnection::closeConnection();
        QVERIFY(QFile::remove(storage->databasePath()));
        const QString insert("INSERT INTO game_records (id,score,created_at,updated_at) "
                             "VALUES (?,?,'t','t')");
        {
            DatabaseCheck earlier(storage->databasePath());
            QVERIFY(earlier.texts("CREATE TABLE game_records (id TEXT PRIMARY KEY NOT NULL,mode_id "
                                  "TEXT NOT NULL DEFAULT 'endless',score INTEGER NOT NULL DEFAULT "
                                  "0,created_at TEXT NOT NULL,updated_at TEXT NOT NULL)")
                            .isEmpty()
                    && earlier.texts(insert, {"earlier", 3}).isEmpty());
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[RunTotals\\] unavailable"));
        QVERIFY(DatabaseConnection::initialize());
        QCOMPARE(sqlText("PRAGMA journal_mode") + sqlText("PRAGMA synchronous") // 2: FULL
                         + sqlText("SELECT group_concat(name) FROM sqlite_master WHERE name LIKE "
                                   "'%by_mode%' OR name LIKE '%totals%'"),
                 QStringLiteral("wal2"));
        QVERIFY(sql(insert, {"later", 7}).isActive());
        GameRecordDao dao;
        QCOMPARE(dao.highestScore("endless"), 7);
        QCOMPARE(GameRecordService(&dao).gameRecords("endless").size(), 2);
        const QString count("SELECT COUNT(*) FROM game_records");
        QCOMPARE(DatabaseCheck(storage->databasePath()).value(count), QStringLiteral("2"));
        DatabaseConnection::closeConnection();
        QCOMPARE(DatabaseCheck(storage->databasePath()).value(count), QStringLiteral("2"));
    }

    void schemaVersions_data()
    {
        QTest::addColumn<QString>("arrange");
        QTest::addColumn<int>("fileVersion");
        // The three tables only, as the first release wrote them.
        QTest::newRow("first release")
                << "DROP TABLE game_record_totals;DROP INDEX game_records_by_mode;DROP INDEX "
                   "game_records_by_mode_and_time;DROP TRIGGER game_record_totals_insert;DROP "
                   "TRIGGER game_record_totals_delete;DROP TRIGGER game_record_totals_update;DROP "
                   "TABLE game_replay;DROP TRIGGER game_replay_delete"
                << 0;
        // The run totals in place, written before the number was kept.
        QTest::newRow("totals, unnumbered")
                << "DROP TABLE game_replay;DROP TRIGGER game_replay_delete" << 0;
        // The totals numbered, without the replays.
        QTest::newRow("totals, version 1")
                << "DROP TABLE game_replay;DROP TRIGGER game_replay_delete" << 1;
        QTest::newRow("later version")
                << "CREATE TABLE later (a);INSERT INTO later VALUES (1)" << 9;
    }

    // Every earlier file is brought to the latest version with its runs, and
    // its totals follow them; a later version's file keeps its number and
    // what it added. Each one takes a settled run.
    void schemaVersions()
    {
        QFETCH(QString, arrange);
        QFETCH(int, fileVersion);
        QCOMPARE(sqlText("PRAGMA user_version").toInt(), DatabaseSchema::latestVersion());
        QVERIFY(DatabaseSchema::latestVersion() > 0);
        DatabaseConnection::closeConnection();
        {
            DatabaseCheck file(storage->databasePath());
            for (const QString &statement : arrange.split(';'))
                QVERIFY(file.texts(statement).filter(QRegularExpression("^cannot")).isEmpty());
            QVERIFY(file.texts("PRAGMA user_version=" + QString::number(fileVersion)).isEmpty());
            QVERIFY(file.texts("INSERT INTO game_records (id,score,created_at,updated_at) VALUES "
                               "('old',40,'t','t')")
                            .isEmpty());
        }
        QVERIFY(DatabaseConnection::initialize());
        QVERIFY(f->service.initializePresets());
        GameRecordDao dao;
        GameRecordService records(&dao);
        QVERIFY(f->service.recordGame(makeRun(this, "new", "endless", 7), &records));
        QCOMPARE(dao.highestScore("endless"), 40);
        QCOMPARE(sqlText("PRAGMA user_version").toInt(),
                 qMax(fileVersion, DatabaseSchema::latestVersion()));
        DatabaseCheck file(storage->databasePath());
        QCOMPARE(file.value("SELECT COUNT(*) FROM game_records"), QStringLiteral("2"));
        QCOMPARE(file.totalsProblem(), QString());
        if (fileVersion > DatabaseSchema::latestVersion())
            QCOMPARE(file.value("SELECT a FROM later"), QStringLiteral("1"));
        else
            QCOMPARE(file.value("SELECT run_count FROM game_record_totals"), QStringLiteral("2"));
        // Every file has the replays' table now (a later one kept its own).
        QCOMPARE(file.value("SELECT COUNT(*) FROM sqlite_master WHERE name LIKE 'game_replay%'"),
                 QStringLiteral("2"));
    }

    // The stamp of every row written is the time of the write, also after the
    // second it was first formatted in has passed.
    void timestamp()
    {
        const QString first = DatabaseConnection::timestamp();
        QCOMPARE(first, QDateTime::fromString(first, Qt::ISODate).toString(Qt::ISODate));
        QTRY_VERIFY(QDateTime::currentDateTimeUtc().toString(Qt::ISODate) != first);
        QTRY_COMPARE(DatabaseConnection::timestamp(),
                     QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    }

    void runsReadBack_data()
    {
        QTest::addColumn<QString>("encoding");
        QTest::newRow("UTF-8") << "UTF-8";
        // SQLite keeps a file's text in the encoding it was created with; another
        // program may have made it UTF-16.
        QTest::newRow("UTF-16") << "UTF-16le";
    }

    // Runs as the lists, the best score and the death marker read them back.
    void runsReadBack()
    {
        QFETCH(QString, encoding);
        if (encoding != "UTF-8") {
            DatabaseConnection::closeConnection();
            QVERIFY(QFile::remove(storage->databasePath()));
            DatabaseCheck other(storage->databasePath());
            QCOMPARE(other.texts("PRAGMA encoding='" + encoding + "'"), QStringList());
            QCOMPARE(other.texts("CREATE TABLE t (a)"), QStringList());
            QVERIFY(DatabaseConnection::initialize());
            QCOMPARE(sqlText("PRAGMA encoding"), encoding);
        }
        GameRecordDao dao;
        GameRecordService service(&dao);
        QVERIFY(dao.insert(makeRun(this, "none", "endless", 5)));
        QVERIFY(sqlText("SELECT created_at FROM game_records")
                        .contains(QRegularExpression(
                                "^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$")));
        const char *times[]
                = {"2999-01-01T00:00:00Z", "2024-01-01T00:00:00Z", "2024-01-01T00:00:00Z"};
        int i = 0;
        for (GameRecord *run : {makeRun(this, "newest", "endless", -4, 10.5, -2.0),
                                makeRun(this, "both", "endless", 6, 3.25, 4.0),
                                makeRun(this, "other", "other", 70, 99.0, 99.0)}) {
            run->setCreatedAt(QLatin1String(times[i++]));
            QVERIFY(dao.insert(run));
        }
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^\\[GameRecordDao\\] insert failed:"));
        QVERIFY(!dao.insert(makeRun(this, "none", "other", 99)));

        // Newest first by the time given, a tie in order of insertion.
        QStringList order;
        for (const QVariant &map : service.gameRecords(QString()))
            order << map.toMap().value("componentId").toString();
        QCOMPARE(order, QStringList({"newest", "none", "both", "other"}));
        QCOMPARE(dao.children().size(), 0); // the long-lived DAO keeps nothing it listed
        // Read straight into maps, they are key for key and type for type the
        // maps of the records, NULLs included; without a position the value is no
        // value at all, not a typed null. So are texts that are not plain UTF-8,
        // each in a list of its own (one such text has its whole list read
        // again): half a surrogate pair and U+FFFF as a front end may send them,
        // a byte order mark and a BLOB as another program may leave them.
        for (const QString &text : {QString("a") + QChar(0xD800), QString(QChar(0xFFFF))}) {
            GameRecord *odd = makeRun(this, text, text, 1);
            odd->setStartedAt(text);
            QVERIFY(dao.insert(odd));
        }
        QVERIFY(sql("INSERT INTO game_records (id,mode_id,started_at,created_at,updated_at) VALUES "
                    "('bom','bom',CAST(x'EFBBBF61' AS "
                    "TEXT),'t','t'),('blob','blob',x'610062','t','t')")
                        .isActive());
        for (const QString &mode : {QString(), QStringLiteral("endless"), QStringLiteral("nothing"),
                                    QString("a") + QChar(0xD800), QString(QChar(0xFFFF)),
                                    QStringLiteral("bom"), QStringLiteral("blob")}) {
            QVariantList before;
            for (GameRecord *record : dao.findAll(mode))
                before << GameRecordService::toVariantMap(record);
            QCOMPARE(described(service.gameRecords(mode)), described(before));
        }
        QVERIFY(!service.gameRecords("endless").at(1).toMap().value("deathWorldY").isValid());

        // The run stored last, whatever its time; half a position is none.
        QCOMPARE(dao.latestDeathPosition("endless"),
                 QVariant(QVariantMap{{"y", 3.25}, {"x", 4.0}}));
        QVERIFY(dao.insert(makeRun(this, "half", "endless", 1, 1.0)));
        QVERIFY(!dao.latestDeathPosition("endless").isValid());

        // A statement kept for reuse keeps no read open: the log could never be
        // checkpointed back into the file while it does.
        dao.highestScore("endless");
        QList<Achievement> list;
        AchievementDao().loadAll(list);
        SkinDao().findAll();
        DatabaseCheck other(storage->databasePath());
        QCOMPARE(other.value("PRAGMA wal_checkpoint(TRUNCATE)"), QStringLiteral("0"));
    }

    // Only an unlocked skin is worn; a refused selection is rolled back whole
    // and leaves no transaction open. Read straight into maps, the skins are key
    // for key and type for type the maps of the skin objects, odd rows included.
    void skins()
    {
        QVERIFY(insertSkins());
        SkinDao dao;
        const QString state("SELECT group_concat(skin_id||is_selected||updated_at) FROM skins");
        const QString before = sqlText(state);
        QVERIFY(!dao.select("clown") && !dao.select("pirate"));
        QCOMPARE(sqlText(state), before);
        QVERIFY(dao.select("money"));
        QCOMPARE(sqlText("SELECT group_concat(skin_id) FROM skins WHERE is_selected=1"),
                 QStringLiteral("money"));
        QVERIFY(dao.setUnlocked("clown", true) && dao.select("clown"));

        QVERIFY(sql("INSERT INTO skins VALUES ('','','','',2,2,'','')").isActive());
        QVariantList maps;
        for (const Skin *skin : dao.findAll())
            maps << SkinService::toVariantMap(skin);
        QCOMPARE(described(SkinService(&dao).skins()), described(maps));
    }

    // The per-mode totals equal the sums of the runs through random inserts,
    // updates and deletes, by this version or by a connection that writes as the
    // earlier version did; an earlier version's file gets them, filled, on first
    // open; and the readers answer what a scan of the runs answers, also past
    // 32 bits.
    void runTotalsFollowTheRuns()
    {
        const QString insertAsBefore
                = "INSERT INTO game_records (id, mode_id, score, wall_collision_count, created_at, "
                  "updated_at) VALUES (?, ?, ?, ?, 't', 't')";
        DatabaseConnection::closeConnection();
        std::mt19937 random(7);
        const QStringList modes{"a", "b", ""};
        DatabaseCheck before(storage->databasePath());
        for (const QString &name :
             QStringLiteral("TRIGGER game_record_totals_insert,TRIGGER game_record_totals_delete,"
                            "TRIGGER game_record_totals_update,TABLE game_record_totals,INDEX "
                            "game_records_by_mode,INDEX game_records_by_mode_and_time")
                     .split(','))
            QCOMPARE(before.texts("DROP " + name), QStringList());
        for (int i = 0; i < 30; ++i)
            before.texts(insertAsBefore, {QString::number(i), modes.at(i % 2), i * 3, i % 3});
        QVERIFY(DatabaseConnection::initialize());
        QCOMPARE(sqlText("SELECT COUNT(*) FROM game_record_totals"), QStringLiteral("2"));

        GameRecordDao dao;
        for (int i = 0; i < 300; ++i) {
            const QString id = QString::number(random() % 60);
            GameRecord *run = makeRun(this, id, modes.at(random() % 3), int(random() % 120) - 10);
            run->setWallCollisionCount(int(random() % 4));
            const unsigned action = random() % 5;
            if (action == 0)
                before.texts(insertAsBefore, {"p" + id, run->modeId(), run->score(), 2});
            else if (action == 1
                     && sqlText("SELECT 1 FROM game_records WHERE id=?", {id}).isEmpty())
                QVERIFY(dao.insert(run));
            else if (action == 2)
                dao.update(run);
            else if (action == 3)
                dao.remove(id);
            else if (action == 4)
                before.texts("DELETE FROM game_records WHERE id=?", {"p" + id});
            QCOMPARE(before.totalsProblem(), QString());
        }
        for (const char *id : {"big1", "big2"})
            QVERIFY(dao.insert(makeRun(this, id, "big", 2000000000)));
        AchievementDao achievements;
        for (const QString &mode : modes + QStringList{"big", "none"}) {
            qint64 score = -1, collisions = -1;
            QVariantList recent;
            QVERIFY(achievements.runStatistics(mode, 1, score, collisions, recent));
            // The empty mode means every mode to the best score.
            QCOMPARE(QString("%1 %2 %3").arg(dao.highestScore(mode)).arg(score).arg(collisions),
                     sqlText("SELECT (SELECT COALESCE(MAX(score),0) FROM game_records WHERE ? IN "
                             "(mode_id,''))||' '||COALESCE(SUM(score),0)||' '||COALESCE(SUM("
                             "wall_collision_count+block_collision_count),0) FROM game_records "
                             "WHERE "
                             "mode_id=?",
                             {mode, mode}));
        }
    }

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
        QVERIFY(f->service.initializePresets());
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
        QVERIFY(f->service.initializePresets());
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
        QCOMPARE(QStringList(parts.mid(0, 2) + parts.mid(3, 1)), QStringList({"500", "1", "1"}));
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
        QVERIFY(f->service.initializePresets());
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
};

QTEST_GUILESS_MAIN(tst_Storage)
#include "tst_storage.moc"

#include "achievements/achievementdao.h"
#include "settlement/gamerecordservice.h"
#include "settlement/skinservice.h"
#include "storage/gamerecord.h"
#include "storage/gamerecorddao.h"
#include "storage/skindao.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>

#include <random>

namespace {

GameRecord *makeRun(QObject *parent, const QString &id, const QString &mode, int score,
                    const QVariant &y = QVariant(), const QVariant &x = QVariant())
{
    auto *record = new GameRecord(parent);
    record->setComponentId(id);
    record->setModeId(mode);
    record->setScore(score);
    record->setEndReason(QStringLiteral("wall"));
    record->setStartedAt(QStringLiteral("s"));
    record->setEndedAt(QStringLiteral("e"));
    record->setDeathWorldY(y);
    record->setDeathWorldX(x);
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

} // namespace

class tst_Storage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setTestApplicationNames(); }
    void init()
    {
        storage.reset(new TestStorage);
        QVERIFY(DatabaseConnection::initialize());
    }
    void cleanup() { storage.reset(); }

    void connectionPerThread();
    void schemaAsWritten();
    void earlierDatabaseKeepsWorking();
    void timestampsAsGiven();
    void highestScoreAndOrder();
    void deathPosition();
    void selectSkin_data();
    void selectSkin();
    void servicesKeepNoChildren();
    void runTotalsFollowTheRuns();
    void runTotalsFailSoft();
    void listsAsTheyWere();
    void schemaChangedUnderneath();
    void readsLeaveNoSnapshotOpen();
    void failedListLogged_data();
    void failedListLogged();

private:
    std::unique_ptr<TestStorage> storage;
};

void tst_Storage::connectionPerThread()
{
    QSqlDatabase db = DatabaseConnection::database();
    QVERIFY(db.isOpen());
    QCOMPARE(db.databaseName(), storage->databasePath());

    QString otherName;
    bool otherOpen = true;
    QVERIFY(onOtherThread([&] {
        otherName = DatabaseConnection::database().connectionName();
        otherOpen = DatabaseConnection::database().isOpen();
        return true;
    }));
    QVERIFY(!otherName.isEmpty() && otherName != db.connectionName());
    QVERIFY(!otherOpen);

    // Once closed, the next call registers a fresh, unopened connection.
    const QString name = db.connectionName();
    db = QSqlDatabase();
    DatabaseConnection::closeConnection();
    QVERIFY(!QSqlDatabase::contains(name));
    QTest::ignoreMessage(QtDebugMsg,
                         QRegularExpression("^\\[DatabaseConnection\\] database path:"));
    QVERIFY(!DatabaseConnection::database().isOpen());
    QVERIFY(QSqlDatabase::contains(name));
}

// A database written before the write-ahead log, in the rollback-journal
// mode: it opens with every row, takes new ones, and a connection that sets
// nothing, as the earlier version opened it, still reads all of them.
void tst_Storage::earlierDatabaseKeepsWorking()
{
    DatabaseConnection::closeConnection();
    const QString path = storage->databasePath();
    QVERIFY(QFile::remove(path));
    const auto plainCount = [&path](const char *insert) {
        int count = -1;
        {
            QSqlDatabase plain = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "plain");
            plain.setDatabaseName(path);
            QSqlQuery query(plain);
            if (plain.open() && (!insert || query.exec(QLatin1String(insert)))
                && query.exec(QStringLiteral("SELECT COUNT(*) FROM game_records")) && query.next())
                count = query.value(0).toInt();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("plain"));
        return count;
    };
    QCOMPARE(plainCount("CREATE TABLE game_records (id TEXT PRIMARY KEY NOT NULL,mode_id TEXT NOT "
                        "NULL DEFAULT 'endless',score INTEGER NOT NULL DEFAULT 0,created_at TEXT "
                        "NOT NULL,updated_at TEXT NOT NULL)"),
             0);
    QCOMPARE(plainCount("INSERT INTO game_records (id,created_at,updated_at) VALUES "
                        "('earlier','t','t')"),
             1);

    QVERIFY(DatabaseConnection::initialize());
    QCOMPARE(sqlValue(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    QCOMPARE(sqlValue(QStringLiteral("PRAGMA synchronous")).toInt(), 2); // FULL
    QVERIFY(sql(QStringLiteral("INSERT INTO game_records (id,created_at,updated_at) VALUES "
                               "('later','t','t')"))
                    .isActive());
    QCOMPARE(plainCount(nullptr), 2);
    DatabaseConnection::closeConnection();
    QCOMPARE(plainCount(nullptr), 2);
}

// The code lays the table definitions out for reading; the database must
// still get, and keep in sqlite_master, the one-line text that files written
// by earlier versions hold.
void tst_Storage::schemaAsWritten()
{
    const QStringList expected{
            "CREATE TABLE game_records (id TEXT PRIMARY KEY NOT NULL,mode_id TEXT NOT NULL DEFAULT "
            "'endless',score INTEGER NOT NULL DEFAULT 0,jump_count INTEGER NOT NULL DEFAULT "
            "0,max_section_jump_count INTEGER NOT NULL DEFAULT 0,wall_collision_count INTEGER NOT "
            "NULL DEFAULT 0 CHECK(wall_collision_count>=0),block_collision_count INTEGER NOT NULL "
            "DEFAULT 0 CHECK(block_collision_count>=0),death_world_y REAL,death_world_x "
            "REAL,end_reason TEXT NOT NULL DEFAULT '',started_at TEXT NOT NULL DEFAULT "
            "'',ended_at TEXT NOT NULL DEFAULT '',created_at TEXT NOT NULL,updated_at TEXT NOT "
            "NULL)",
            "CREATE TABLE skins (id TEXT PRIMARY KEY NOT NULL,skin_id TEXT NOT NULL "
            "UNIQUE,skin_name TEXT NOT NULL,skin_path TEXT NOT NULL,is_unlocked INTEGER NOT NULL "
            "DEFAULT 0,is_selected INTEGER NOT NULL DEFAULT 0,created_at TEXT NOT NULL,updated_at "
            "TEXT NOT NULL)",
            "CREATE TABLE achievements (id TEXT PRIMARY KEY NOT NULL,created_at TEXT NOT "
            "NULL,updated_at TEXT NOT NULL,code TEXT NOT NULL UNIQUE,condition_type INTEGER NOT "
            "NULL CHECK(condition_type BETWEEN 1 AND 8),target_value INTEGER NOT NULL "
            "CHECK(target_value>0),window_seconds INTEGER NOT NULL DEFAULT -1,parameters TEXT NOT "
            "NULL DEFAULT '{}',show_condition INTEGER NOT NULL DEFAULT 1 CHECK(show_condition IN "
            "(0,1)),notification_pending INTEGER NOT NULL DEFAULT 0 CHECK(notification_pending IN "
            "(0,1)),reward_skin_id TEXT UNIQUE REFERENCES skins(id),progress_value INTEGER NOT "
            "NULL DEFAULT 0 CHECK(progress_value>=0),is_enabled INTEGER NOT NULL DEFAULT 1 "
            "CHECK(is_enabled IN (0,1)),is_unlocked INTEGER NOT NULL DEFAULT 0 CHECK(is_unlocked "
            "IN (0,1)),unlocked_at TEXT,sort_order INTEGER NOT NULL DEFAULT "
            "0,CHECK((condition_type=3 AND window_seconds>0) OR (condition_type<>3 AND "
            "window_seconds=-1)),CHECK((is_unlocked=0 AND unlocked_at IS NULL) OR (is_unlocked=1 "
            "AND unlocked_at IS NOT NULL)))"};
    QStringList tables;
    for (QSqlQuery query = sql("SELECT sql FROM sqlite_master WHERE name IN "
                               "('game_records','skins','achievements') ORDER BY rowid");
         query.next();)
        tables << query.value(0).toString();
    QCOMPARE(tables, expected);
}

void tst_Storage::timestampsAsGiven()
{
    GameRecordDao dao;
    GameRecord *fresh = makeRun(this, "a", "endless", 1);
    QVERIFY(dao.insert(fresh));
    const QString created = sqlValue("SELECT created_at FROM game_records WHERE id='a'").toString();
    QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$")
                     .match(created)
                     .hasMatch(),
             qPrintable(created));

    GameRecord *given = makeRun(this, "b", "endless", 1);
    given->setCreatedAt(QStringLiteral("yesterday"));
    QVERIFY(dao.insert(given));
    QCOMPARE(sqlValue("SELECT created_at FROM game_records WHERE id='b'").toString(),
             QStringLiteral("yesterday"));

    // A second run under a stored id is refused and leaves the first alone.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[GameRecordDao\\] insert failed:"));
    QVERIFY(!dao.insert(makeRun(this, "a", "other", 99)));
    QCOMPARE(sqlValue("SELECT group_concat(mode_id) FROM game_records").toString(),
             QStringLiteral("endless,endless"));
}

void tst_Storage::highestScoreAndOrder()
{
    GameRecordDao dao;
    QCOMPARE(dao.highestScore(QString()), 0);
    const QStringList created
            = {"2024-01-02T00:00:00Z", "2024-01-03T00:00:00Z", "2024-01-01T00:00:00Z"};
    const int scores[] = {30, -4, 70};
    for (int i = 0; i < created.size(); ++i) {
        GameRecord *run
                = makeRun(this, QString::number(i), i == 2 ? "sprint" : "endless", scores[i]);
        run->setCreatedAt(created.at(i));
        QVERIFY(dao.insert(run));
    }
    QCOMPARE(dao.highestScore("endless"), 30);
    QCOMPARE(dao.highestScore("sprint"), 70);
    QCOMPARE(dao.highestScore(QString()), 70);
    QCOMPARE(dao.highestScore("nothing"), 0);

    // Lists show the newest run first.
    QStringList order;
    for (GameRecord *run : dao.findAll(QString()))
        order << run->componentId();
    QCOMPARE(order, QStringList({"1", "0", "2"}));
    QCOMPARE(dao.findAll("endless").size(), 2);
}

void tst_Storage::deathPosition()
{
    GameRecordDao dao;
    QVERIFY(dao.insert(makeRun(this, "none", "endless", 1)));
    QVERIFY(sqlValue("SELECT death_world_y IS NULL AND death_world_x IS NULL FROM game_records")
                    .toBool());
    QVERIFY(!dao.latestDeathPosition("endless").isValid());

    GameRecord *newer = makeRun(this, "a", "endless", 1, 10.5, -2.0);
    newer->setCreatedAt(QStringLiteral("2030-01-01T00:00:00Z"));
    QVERIFY(dao.insert(newer));
    QVERIFY(dao.insert(makeRun(this, "b", "endless", 1, 3.25, 4.0)));
    QVERIFY(dao.insert(makeRun(this, "c", "other", 1, 99.0, 99.0)));
    // Inserted last, though its created_at is the oldest.
    const QVariantMap position = dao.latestDeathPosition("endless").toMap();
    QCOMPARE(position.value("y").toDouble(), 3.25);
    QCOMPARE(position.value("x").toDouble(), 4.0);

    // Half a position is no position; nor do older runs stand in.
    QVERIFY(dao.insert(makeRun(this, "d", "endless", 1, 1.0, QVariant())));
    QVERIFY(!dao.latestDeathPosition("endless").isValid());
    // The empty mode only looks at runs stored under the empty mode.
    QVERIFY(!dao.latestDeathPosition(QString()).isValid());
}

void tst_Storage::selectSkin_data()
{
    QTest::addColumn<QString>("skinId");
    QTest::addColumn<bool>("selected");
    QTest::newRow("unlocked") << "money" << true;
    QTest::newRow("locked") << "clown" << false;
    QTest::newRow("missing") << "pirate" << false;
}

void tst_Storage::selectSkin()
{
    QFETCH(QString, skinId);
    QFETCH(bool, selected);
    QVERIFY(insertSkins());
    SkinDao dao;
    QCOMPARE(dao.select(skinId), selected);
    // A refused selection clears nothing: the selection is rolled back whole.
    QCOMPARE(sqlValue("SELECT group_concat(skin_id) FROM skins WHERE is_selected=1").toString(),
             selected ? skinId : QStringLiteral("default"));
    QCOMPARE(sqlValue("SELECT COUNT(*) FROM skins WHERE updated_at='t0'").toInt(),
             selected ? 0 : 3);
    // No transaction is left open, and an unlocked skin can be chosen.
    QVERIFY(dao.setUnlocked("clown", true));
    QVERIFY(dao.select("clown"));
}

// Services list through their long-lived DAO; the objects must not pile up
// under it.
void tst_Storage::servicesKeepNoChildren()
{
    QVERIFY(insertSkins());
    GameRecordDao records;
    GameRecordService recordService(&records);
    SkinDao skins;
    SkinService skinService(&skins);
    QVERIFY(recordService.saveGameRecord(makeRun(this, "a", "endless", 12)));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(recordService.gameRecords(QString()).size(), 1);
        QCOMPARE(skinService.skins().size(), 3);
    }
    QCOMPARE(records.children().size() + skins.children().size(), 0);
}

// The per-mode totals equal the sums of the stored runs through random
// inserts, updates and deletes, whether they come through this version or
// through a connection that sets nothing and writes as the earlier version
// did; a database of the earlier version gets them, filled, on first open;
// and the readers answer what a scan of the runs answers.
void tst_Storage::runTotalsFollowTheRuns()
{
    const char insertAsBefore[]
            = "INSERT INTO game_records (id, mode_id, score, jump_count, max_section_jump_count, "
              "wall_collision_count, block_collision_count, death_world_y, death_world_x, "
              "end_reason, started_at, ended_at, created_at, updated_at) VALUES (?, ?, ?, 0, 0, "
              "?, ?, NULL, NULL, 'wall', '', '', 't', 't')";
    DatabaseConnection::closeConnection();
    {
        // Back to the earlier version's file, with runs in it.
        DatabaseCheck earlier(storage->databasePath());
        for (const char *name :
             {"TRIGGER game_record_totals_insert", "TRIGGER game_record_totals_delete",
              "TRIGGER game_record_totals_update", "TABLE game_record_totals",
              "INDEX game_records_by_mode", "INDEX game_records_by_mode_and_time"})
            QCOMPARE(earlier.rows(QStringLiteral("DROP %1").arg(QLatin1String(name))).size(), 0);
        for (int i = 0; i < 30; ++i)
            earlier.rows(insertAsBefore, {QString::number(i), i % 2 ? "a" : "b", i * 3, i % 3, 1});
    }
    QVERIFY(DatabaseConnection::initialize());
    QVERIFY(sqlValue("SELECT COUNT(*) FROM game_record_totals").toInt() == 2);

    std::mt19937 random(7);
    GameRecordDao dao;
    AchievementDao achievements;
    const QStringList modes{"a", "b", ""};
    DatabaseCheck before(storage->databasePath());
    for (int i = 0; i < 300; ++i) {
        const QString id = QString::number(random() % 60);
        const QString mode = modes.at(random() % 3);
        const int score = int(random() % 120) - 10;
        switch (random() % 5) {
        case 0: {
            QVERIFY(before.rows(insertAsBefore, {"p" + id, mode, score, 2, 0}).size() <= 1);
            break;
        }
        case 1: {
            GameRecord *run = makeRun(this, id, mode, score);
            run->setWallCollisionCount(int(random() % 4));
            if (!sqlValue("SELECT 1 FROM game_records WHERE id=?", {id}).isValid())
                QVERIFY(dao.insert(run));
            break;
        }
        case 2: {
            GameRecord *run = makeRun(this, id, mode, score);
            run->setBlockCollisionCount(int(random() % 4));
            dao.update(run);
            break;
        }
        case 3:
            dao.remove(id);
            break;
        default:
            before.rows("DELETE FROM game_records WHERE id=?", {"p" + id});
        }
        QCOMPARE(before.totalsProblem(), QString());
    }
    for (const QString &mode : modes) {
        // The empty mode means every mode here.
        QCOMPARE(dao.highestScore(mode),
                 sqlValue("SELECT COALESCE(MAX(score),0) FROM game_records WHERE ? IN (mode_id,'')",
                          {mode})
                         .toInt());
        qint64 score = -1, collisions = -1;
        QVariantList recent;
        QVERIFY(achievements.runStatistics(mode, 1, score, collisions, recent));
        QCOMPARE(QString("%1 %2").arg(score).arg(collisions),
                 sqlValue("SELECT COALESCE(SUM(score),0)||' '||COALESCE(SUM(wall_collision_count"
                          "+block_collision_count),0) FROM game_records WHERE mode_id=?",
                          {mode})
                         .toString());
    }
}

// Where the totals cannot be added, nothing of them is left behind and the
// runs are read by scanning, as before.
void tst_Storage::runTotalsFailSoft()
{
    DatabaseConnection::closeConnection();
    QVERIFY(QFile::remove(storage->databasePath()));
    QVERIFY(DatabaseCheck(storage->databasePath())
                    .rows("CREATE TABLE game_records (id TEXT PRIMARY KEY NOT NULL,mode_id TEXT "
                          "NOT "
                          "NULL DEFAULT 'endless',score INTEGER NOT NULL DEFAULT 0,created_at TEXT "
                          "NOT NULL,updated_at TEXT NOT NULL)")
                    .isEmpty());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[RunTotals\\] unavailable"));
    QVERIFY(DatabaseConnection::initialize());
    QCOMPARE(sqlValue("SELECT group_concat(name) FROM sqlite_master WHERE name LIKE '%by_mode%' "
                      "OR name LIKE '%totals%'")
                     .toString(),
             QString());
    QVERIFY(sql("INSERT INTO game_records (id,score,created_at,updated_at) VALUES ('r',7,'','')")
                    .isActive());
    QCOMPARE(GameRecordDao().highestScore("endless"), 7);
}

namespace {

// Every key, value type and value of a list of maps, as text.
QStringList described(const QVariantList &maps)
{
    QStringList lines;
    for (const QVariant &map : maps) {
        const QVariantMap m = map.toMap();
        for (auto it = m.constBegin(); it != m.constEnd(); ++it)
            lines << it.key() + ' ' + it.value().typeName() + ' '
                            + (it.value().isNull() ? QStringLiteral("null")
                                                   : it.value().toString());
    }
    return lines;
}

} // namespace

// The list is read straight from the rows into maps now; key for key and type
// for type they are the maps of the records, NULL positions included.
void tst_Storage::listsAsTheyWere()
{
    GameRecordDao dao;
    QVERIFY(dao.insert(makeRun(this, "none", "endless", 5)));
    QVERIFY(dao.insert(makeRun(this, "half", "endless", 6, 2.5)));
    QVERIFY(dao.insert(makeRun(this, "both", "other", -7, 3, -4.25)));
    GameRecordService service(&dao);
    for (const QString &mode : {QString(), QStringLiteral("endless"), QStringLiteral("none")}) {
        QVariantList before;
        for (GameRecord *record : dao.findAll(mode))
            before << GameRecordService::toVariantMap(record);
        QCOMPARE(described(service.gameRecords(mode)), described(before));
    }
    QCOMPARE(service.gameRecords(QString()).size(), 3);
}

// The tables are made sure of once per connection; when another program
// takes one away, the next request's check brings it back.
void tst_Storage::schemaChangedUnderneath()
{
    QVERIFY(insertSkins());
    SkinDao skins;
    QCOMPARE(skins.findAll().size(), 3);
    QVERIFY(DatabaseCheck(storage->databasePath()).rows("DROP TABLE skins").isEmpty());
    QVERIFY(DatabaseConnection::initialize());
    QCOMPARE(sqlValue("SELECT COUNT(*) FROM skins").toInt(), 0);
    QVERIFY(insertSkins());
    QCOMPARE(skins.findAll().size(), 3);
}

// A statement kept for reuse must not keep its read open: the write-ahead log
// could never be checkpointed back into the file while it does.
void tst_Storage::readsLeaveNoSnapshotOpen()
{
    GameRecordDao dao;
    QVERIFY(dao.insert(makeRun(this, "a", "endless", 5, 1.0, 2.0)));
    dao.findAll("endless");
    dao.findAllMaps(QString());
    dao.highestScore("endless");
    dao.latestDeathPosition("endless");
    QList<Achievement> list;
    AchievementDao().loadAll(list);
    SkinDao().findAll();
    DatabaseCheck other(storage->databasePath());
    QVERIFY(other.rows("INSERT INTO game_records (id,created_at,updated_at) VALUES ('b','','')")
                    .isEmpty());
    QCOMPARE(other.rows("PRAGMA wal_checkpoint(TRUNCATE)").value(0).value(0), QStringLiteral("0"));
}

void tst_Storage::failedListLogged_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("warning");
    QTest::newRow("runs") << "game_records"
                          << "^\\[GameRecordDao\\] find all failed: \"no such table";
    QTest::newRow("skins") << "skins"
                           << "^\\[SkinDao\\] find all failed: \"no such table";
}

// A list that cannot be read still answers empty, but says why in the log:
// otherwise a damaged database looks like a player without runs or skins.
void tst_Storage::failedListLogged()
{
    QFETCH(QString, table);
    QFETCH(QString, warning);
    QVERIFY(sql(QStringLiteral("DROP TABLE ") + table).isActive());
    GameRecordDao recordDao;
    SkinDao skinDao;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    const QVariantList list = table == QLatin1String("skins")
            ? SkinService(&skinDao).skins()
            : GameRecordService(&recordDao).gameRecords(QString());
    QCOMPARE(list, QVariantList());
}

QTEST_GUILESS_MAIN(tst_Storage)
#include "tst_storage.moc"

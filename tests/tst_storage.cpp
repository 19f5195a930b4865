#include "settlement/gamerecordservice.h"
#include "settlement/skinservice.h"
#include "storage/gamerecord.h"
#include "storage/gamerecorddao.h"
#include "storage/skindao.h"
#include "storage/writetransaction.h"
#include "testsupport.h"

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
    void earlierDatabaseKeepsWorking();
    void constraints_data();
    void constraints();
    void concurrentWritersLoseNothing();
    void timestampsAsGiven();
    void duplicateIdRefused();
    void highestScoreAndOrder();
    void deathPosition();
    void selectSkin_data();
    void selectSkin();
    void servicesKeepNoChildren();
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
    QThread *thread = QThread::create([&] {
        otherName = DatabaseConnection::database().connectionName();
        otherOpen = DatabaseConnection::database().isOpen();
        DatabaseConnection::closeConnection();
    });
    thread->start();
    QVERIFY(thread->wait(10000));
    delete thread;
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

void tst_Storage::constraints_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("accepted");

    const QString run = QStringLiteral(
            "INSERT INTO game_records (id,score,wall_collision_count,block_collision_count,"
            "created_at,updated_at) VALUES ('r',%1,%2,%3,'t','t')");
    QTest::newRow("negative score") << run.arg(-5).arg(0).arg(0) << true;
    QTest::newRow("negative wall collisions") << run.arg(1).arg(-1).arg(0) << false;
    QTest::newRow("negative block collisions") << run.arg(1).arg(0).arg(-1) << false;

    const QString achievement = QStringLiteral(
            "INSERT INTO achievements (id,created_at,updated_at,code,condition_type,target_value,"
            "window_seconds,is_unlocked,unlocked_at) VALUES ('a','t','t','c',%1,%2,%3,%4,%5)");
    QTest::newRow("time window needs a window")
            << achievement.arg(3).arg(1).arg(-1).arg(0).arg("NULL") << false;
    QTest::newRow("time window with a window")
            << achievement.arg(3).arg(1).arg(60).arg(0).arg("NULL") << true;
    QTest::newRow("other type with a window")
            << achievement.arg(4).arg(1).arg(60).arg(0).arg("NULL") << false;
    QTest::newRow("unlocked without time")
            << achievement.arg(4).arg(1).arg(-1).arg(1).arg("NULL") << false;
    QTest::newRow("locked with time")
            << achievement.arg(4).arg(1).arg(-1).arg(0).arg("'t'") << false;
    QTest::newRow("unlocked with time")
            << achievement.arg(4).arg(1).arg(-1).arg(1).arg("'t'") << true;
    QTest::newRow("type 9") << achievement.arg(9).arg(1).arg(-1).arg(0).arg("NULL") << false;
    QTest::newRow("target 0") << achievement.arg(4).arg(0).arg(-1).arg(0).arg("NULL") << false;
}

void tst_Storage::constraints()
{
    QFETCH(QString, statement);
    QFETCH(bool, accepted);
    QSqlQuery query(DatabaseConnection::database());
    QCOMPARE(query.exec(statement), accepted);
}

// Two threads, each on its own connection, each running transactions that read
// and then write. With a deferred BEGIN some of these fail at once with
// "database is locked"; every one of them must land.
void tst_Storage::concurrentWritersLoseNothing()
{
    const int perThread = 150;
    const auto writeAll = [](const QString &prefix) {
        QSqlDatabase db = DatabaseConnection::database();
        int landed = 0;
        for (int i = 0; i < perThread; ++i) {
            WriteTransaction transaction(db);
            if (!transaction.isActive())
                continue;
            QSqlQuery read(db);
            QSqlQuery write(db);
            write.prepare(QStringLiteral("INSERT INTO game_records (id,created_at,updated_at) "
                                         "VALUES (?,'t','t')"));
            write.addBindValue(prefix + QString::number(i));
            const bool ok = read.exec(QStringLiteral("SELECT COUNT(*) FROM game_records"))
                    && read.next() && write.exec();
            read.finish();
            if (ok && transaction.commit())
                ++landed;
        }
        return landed == perThread;
    };
    QVERIFY(onTwoThreads(writeAll));
    QCOMPARE(sqlValue(QStringLiteral("SELECT COUNT(*) FROM game_records")).toInt(), 2 * perThread);
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
}

void tst_Storage::duplicateIdRefused()
{
    GameRecordDao dao;
    QVERIFY(dao.insert(makeRun(this, "a", "endless", 10)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[GameRecordDao\\] insert failed:"));
    QVERIFY(!dao.insert(makeRun(this, "a", "other", 99)));
    QCOMPARE(sqlValue("SELECT group_concat(score) FROM game_records").toString(),
             QStringLiteral("10"));
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
    QTest::newRow("already selected") << "default" << true;
    QTest::newRow("locked") << "clown" << false;
    QTest::newRow("missing") << "pirate" << false;
    QTest::newRow("empty") << "" << false;
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

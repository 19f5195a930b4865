#include "testsupport.h"

#include <QFile>
#include <QSignalSpy>
#include <QThread>

#include <atomic>

class tst_DatabaseConnection : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setTestApplicationNames(); }

    void connectionPerThread();
    void freshConnectionAfterClose();
    void unopenedConnectionFails();
    void existingTablesKept();
    void failedCreateStopsThere();
    void constraints_data();
    void constraints();
    void beginWriteTransactionRefusesNesting();
    void concurrentWritersLoseNothing();
};

void tst_DatabaseConnection::connectionPerThread()
{
    TestStorage storage;
    QVERIFY(DatabaseConnection::initialize());
    QSqlDatabase first = DatabaseConnection::database();
    QSqlDatabase second = DatabaseConnection::database();
    QCOMPARE(first.connectionName(), second.connectionName());
    QVERIFY(first.connectionName().startsWith(QLatin1String("hoplix_")));
    QCOMPARE(first.connectionName(),
             QStringLiteral("hoplix_%1")
                     .arg(quint64(reinterpret_cast<quintptr>(QThread::currentThread())), 0, 16));
    QCOMPARE(first.connectOptions(), QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    QCOMPARE(first.databaseName(), storage.databasePath());
    QVERIFY(QFile::exists(storage.databasePath()));

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
    QVERIFY(otherName != first.connectionName());
    QVERIFY(!otherOpen);
    // Initializing again on an open connection keeps it.
    QVERIFY(DatabaseConnection::initialize());
    QVERIFY(first.isOpen());
}

void tst_DatabaseConnection::freshConnectionAfterClose()
{
    TestStorage storage;
    QVERIFY(DatabaseConnection::initialize());
    const QString name = DatabaseConnection::database().connectionName();
    DatabaseConnection::closeConnection();
    QVERIFY(!QSqlDatabase::contains(name));
    DatabaseConnection::closeConnection(); // nothing registered: nothing happens

    QTest::ignoreMessage(QtDebugMsg,
                         QRegularExpression("^\\[DatabaseConnection\\] database path:"));
    QSqlDatabase db = DatabaseConnection::database();
    QVERIFY(QSqlDatabase::contains(name));
    QVERIFY(!db.isOpen());
}

void tst_DatabaseConnection::unopenedConnectionFails()
{
    TestStorage storage;
    QSqlQuery query(DatabaseConnection::database());
    QVERIFY(!query.exec(QStringLiteral("SELECT 1")));
}

void tst_DatabaseConnection::existingTablesKept()
{
    TestStorage storage;
    QSqlDatabase db = DatabaseConnection::database();
    QVERIFY(db.open());
    QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE game_records (id TEXT PRIMARY KEY)")));
    QVERIFY(DatabaseConnection::initialize());
    QCOMPARE(sqlValue(QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('game_records')"))
                     .toInt(),
             1);
    QCOMPARE(sqlValue(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND "
                                     "name IN ('skins','achievements')"))
                     .toInt(),
             2);
}

void tst_DatabaseConnection::failedCreateStopsThere()
{
    TestStorage storage;
    QSqlDatabase db = DatabaseConnection::database();
    QVERIFY(db.open());
    // An index named skins makes that CREATE fail; achievements must not follow.
    QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE t (x)")));
    QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE INDEX skins ON t (x)")));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^\\[DatabaseConnection\\] skins table failed:"));
    QVERIFY(!DatabaseConnection::initialize());
    QCOMPARE(
            sqlValue(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name='achievements'"))
                    .toInt(),
            0);
    QVERIFY(db.isOpen());
}

void tst_DatabaseConnection::constraints_data()
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

void tst_DatabaseConnection::constraints()
{
    QFETCH(QString, statement);
    QFETCH(bool, accepted);
    TestStorage storage;
    QVERIFY(DatabaseConnection::initialize());
    QSqlQuery query(DatabaseConnection::database());
    QCOMPARE(query.exec(statement), accepted);
}

void tst_DatabaseConnection::beginWriteTransactionRefusesNesting()
{
    TestStorage storage;
    QVERIFY(DatabaseConnection::initialize());
    QSqlDatabase db = DatabaseConnection::database();
    QVERIFY(DatabaseConnection::beginWriteTransaction(db));
    QVERIFY(!DatabaseConnection::beginWriteTransaction(db));
    QVERIFY(db.rollback());
    db = QSqlDatabase();

    DatabaseConnection::closeConnection();
    QSqlDatabase closed = DatabaseConnection::database();
    QVERIFY(!DatabaseConnection::beginWriteTransaction(closed));
}

// Two threads, each on its own connection, each running transactions that read
// and then write. With a deferred BEGIN some of these fail at once with
// "database is locked"; every one of them must land.
void tst_DatabaseConnection::concurrentWritersLoseNothing()
{
    TestStorage storage;
    QVERIFY(DatabaseConnection::initialize());
    const int perThread = 150;
    std::atomic<int> failures(0);

    auto writer = [&](const QString &prefix) {
        if (!DatabaseConnection::initialize()) {
            failures += perThread;
            return;
        }
        {
            QSqlDatabase db = DatabaseConnection::database();
            for (int i = 0; i < perThread; ++i) {
                if (!DatabaseConnection::beginWriteTransaction(db)) {
                    ++failures;
                    continue;
                }
                bool ok;
                {
                    QSqlQuery read(db);
                    ok = read.exec(QStringLiteral("SELECT COUNT(*) FROM game_records"))
                            && read.next();
                    QSqlQuery write(db);
                    write.prepare(QStringLiteral("INSERT INTO game_records "
                                                 "(id,created_at,updated_at) VALUES (?,'t','t')"));
                    write.addBindValue(prefix + QString::number(i));
                    ok = ok && write.exec();
                }
                if (!ok || !db.commit()) {
                    db.rollback();
                    ++failures;
                }
            }
        }
        DatabaseConnection::closeConnection();
    };

    QThread *a = QThread::create([&] { writer(QStringLiteral("a")); });
    QThread *b = QThread::create([&] { writer(QStringLiteral("b")); });
    a->start();
    b->start();
    QVERIFY(a->wait(120000));
    QVERIFY(b->wait(120000));
    delete a;
    delete b;
    QCOMPARE(failures.load(), 0);
    QCOMPARE(sqlValue(QStringLiteral("SELECT COUNT(*) FROM game_records")).toInt(), 2 * perThread);
}

QTEST_GUILESS_MAIN(tst_DatabaseConnection)
#include "tst_databaseconnection.moc"

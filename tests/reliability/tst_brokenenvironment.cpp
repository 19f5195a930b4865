// The database cannot be used: its directory is blocked by a file, the file
// holds no database, or one page of it is damaged. The application must
// still come up, say so, answer every call with its failure value, and
// leave the file alone.

#include "app/applicationcore.h"
#include "testsupport.h"

#include <QDir>
#include <QMutex>
#include <QSignalSpy>
#include <QtTest>

#include <random>

namespace {

// Written from the worker thread too.
QMutex warningsMutex;
QStringList warnings;

void captureWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    QMutexLocker locker(&warningsMutex);
    if (type == QtWarningMsg)
        warnings << message;
}

} // namespace

class tst_BrokenEnvironment : public QObject
{
    Q_OBJECT
private slots:
    void unusableDatabase_data();
    void unusableDatabase();
    void damagedPageReported();
};

void tst_BrokenEnvironment::unusableDatabase_data()
{
    QTest::addColumn<bool>("blockDirectory");
    QTest::newRow("a file where the directory should be") << true;
    QTest::newRow("a database file of random bytes") << false;
}

void tst_BrokenEnvironment::unusableDatabase()
{
    QFETCH(bool, blockDirectory);
    TestStorage storage;
    const QString directory = TestStorage::configLocation() + "/db";
    const QString blocker = blockDirectory ? directory : storage.databasePath();
    QByteArray garbage(64 * 1024, Qt::Uninitialized);
    std::mt19937 random(99);
    for (char &byte : garbage)
        byte = char(random());
    QFile file(blocker);
    QVERIFY(QDir().mkpath(QFileInfo(blocker).path()) && file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(garbage), qint64(garbage.size()));
    file.close();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[DatabaseConnection\\]"));
    QTest::ignoreMessage(QtWarningMsg,
                         "[ApplicationCore] achievements unavailable: initialization failed");
    {
        ApplicationCore core;
        QVERIFY(!core.saveGameRecord("r1", "endless", 10, "wall", "", ""));
        QCOMPARE(core.gameRecords() + core.gameRecords("endless") + core.skins(), QVariantList());
        QCOMPARE(core.highestScore() + core.highestScore("endless"), -2);
        QVERIFY(!core.latestDeathPosition("endless").isValid());
        QCOMPARE(core.achievements(), (QVariantMap{{"ok", false}, {"items", QVariantList()}}));
        QVERIFY(!core.selectSkin("default") && !core.unlockSkin("clown"));
        // The settings live elsewhere and keep working.
        core.setAppSetting("APP_SETTING", "LANGUAGE", 2);
        QCOMPARE(core.appSetting("APP_SETTING", "LANGUAGE", 0), QVariant(2));
        // Every accepted submission still gets its one, failed, answer.
        QSignalSpy settled(&core, &ApplicationCore::gameSettled);
        QSignalSpy acknowledged(&core, &ApplicationCore::skinRewardsAcknowledged);
        QVERIFY(core.submitGameRecord(runSnapshot("a", 1))
                && core.submitGameRecord(runSnapshot("b", 1)));
        QVERIFY(core.acknowledgeSkinRewards("req", {"score_50"}));
        QTRY_COMPARE(settled.count() + acknowledged.count(), 3);
        QCOMPARE(settled.at(1), (QList<QVariant>{"b", false, QVariantList(), -1}));
        QCOMPARE(acknowledged.at(0), (QList<QVariant>{"req", false}));
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), garbage);
    if (!blockDirectory)
        QCOMPARE(QDir(directory).entryList(QDir::Files), QStringList("harbour-hoplix.db"));
}

// One damaged page: the application still starts, but says at start what
// SQLite finds wrong, and a list that cannot be read says why.
void tst_BrokenEnvironment::damagedPageReported()
{
    TestStorage storage;
    delete new ApplicationCore;
    QVERIFY(sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<2000) "
                "INSERT INTO game_records (id,created_at,updated_at) SELECT 'r'||i,'t','t' FROM n")
                    .isActive());
    const qint64 pageSize = sqlValue("PRAGMA page_size").toLongLong();
    const qint64 root
            = sqlValue("SELECT rootpage FROM sqlite_master WHERE name='game_records'").toLongLong();
    // The last connection to close folds the log into the database file.
    DatabaseConnection::closeConnection();
    QFile file(storage.databasePath());
    QVERIFY(file.open(QIODevice::ReadWrite) && file.seek((root - 1) * pageSize));
    QCOMPARE(file.write(QByteArray(int(pageSize), '\x5a')), pageSize);
    file.close();

    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureWarnings);
    {
        ApplicationCore core;
        QCOMPARE(core.gameRecords(), QVariantList());
    } // The worker has finished its queue, and with it the check, when this returns.
    qInstallMessageHandler(previous);
    QCOMPARE(warnings.filter(QRegularExpression("^\\[DatabaseConnection\\] database damaged: .+"))
                     .size(),
             1);
    QCOMPARE(warnings.filter(QRegularExpression("^\\[GameRecordDao\\] find all failed: .+")).size(),
             1);
}

QTEST_GUILESS_MAIN(tst_BrokenEnvironment)
#include "tst_brokenenvironment.moc"

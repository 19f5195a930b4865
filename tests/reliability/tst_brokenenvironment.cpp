// The database cannot be used at all: its directory is blocked by a file, or
// the file holds no database. The application must still come up, say so,
// answer every call with its failure value, and leave the file alone.

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

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_BrokenEnvironment : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setTestApplicationNames(); }
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
    const QString directory = TestStorage::configLocation() + QStringLiteral("/db");
    QVERIFY(QDir().mkpath(blockDirectory ? TestStorage::configLocation() : directory));
    const QString blocker = blockDirectory ? directory : storage.databasePath();
    QByteArray garbage(64 * 1024, Qt::Uninitialized);
    std::mt19937 random(99);
    for (char &byte : garbage)
        byte = char(random());
    {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(garbage), qint64(garbage.size()));
    }

    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureWarnings);
    {
        ApplicationCore core;
        QVERIFY(warnings.contains(
                "[ApplicationCore] achievements unavailable: initialization failed"));
        QVERIFY(!warnings.filter(QStringLiteral("[DatabaseConnection]")).isEmpty());

        QVERIFY(!core.saveGameRecord("r1", "endless", 10, "wall", "", ""));
        QCOMPARE(core.gameRecords() + core.gameRecords("endless") + core.skins(), QVariantList());
        QCOMPARE(core.highestScore(), -1);
        QCOMPARE(core.highestScore("endless"), -1);
        QVERIFY(!core.latestDeathPosition("endless").isValid());
        const QVariantMap achievements = core.achievements();
        QCOMPARE(achievements.value(QStringLiteral("ok")), QVariant(false));
        QCOMPARE(achievements.value(QStringLiteral("items")).toList(), QVariantList());
        QVERIFY(!core.selectSkin("default"));
        QVERIFY(!core.unlockSkin("clown"));

        // The settings live elsewhere and keep working.
        core.setAppSetting("APP_SETTING", "LANGUAGE", 2);
        QCOMPARE(core.appSetting("APP_SETTING", "LANGUAGE", 0), QVariant(2));

        // Every accepted submission still gets its one, failed, answer.
        QSignalSpy settled(&core, &ApplicationCore::gameSettled);
        QSignalSpy acknowledged(&core, &ApplicationCore::skinRewardsAcknowledged);
        const QStringList ids{"a", "b", "c"};
        for (const QString &id : ids)
            QVERIFY(core.submitGameRecord(runSnapshot(id, 1)));
        QVERIFY(core.acknowledgeSkinRewards("req", {"score_50"}));
        QTRY_COMPARE(settled.count(), ids.size());
        for (int i = 0; i < ids.size(); ++i)
            QCOMPARE(settled.at(i), (QList<QVariant>{ids.at(i), false, QVariantList(), -1}));
        QTRY_COMPARE(acknowledged.count(), 1);
        QCOMPARE(acknowledged.at(0).at(1).toBool(), false);
    }
    qInstallMessageHandler(previous);

    QCOMPARE(fileBytes(blocker), garbage);
    QVERIFY(QFileInfo(blocker).isFile());
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
    {
        QFile file(storage.databasePath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek((root - 1) * pageSize));
        QCOMPARE(file.write(QByteArray(int(pageSize), '\x5a')), pageSize);
    }

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

// A child process whose file-size limit stops the database from growing
// settles runs: they must fail cleanly, and once the limit is gone the same
// database must work again.

#include "app/applicationcore.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

class tst_FullDisk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setTestApplicationNames(); }
    void databaseCannotGrow_data();
    void databaseCannotGrow();
};

void tst_FullDisk::databaseCannotGrow_data()
{
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("runs");
    QTest::newRow("no room at all") << 0 << 12;
    QTest::newRow("room for a few runs") << 16384 << stressScaled(30);
}

void tst_FullDisk::databaseCannotGrow()
{
    QFETCH(int, room);
    QFETCH(int, runs);
    TestStorage storage;
    QVERIFY(ApplicationCore().saveGameRecord("before", "endless", 20, "wall", "", ""));
    DatabaseConnection::closeConnection();
    const qint64 size = QFileInfo(storage.databasePath()).size();
    QVERIFY(size > 0);

    QProcess child;
    child.setProcessEnvironment(childEnvironment(storage.path()));
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(QStringLiteral(HOPLIX_TEST_CHILD),
                {QStringLiteral("fill"), QStringLiteral("7"), QStringLiteral("f"),
                 QString::number(size + room), QString::number(runs)});
    QVERIFY(child.waitForFinished(120000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    const QByteArray output = child.readAllStandardOutput();
    QVERIFY(output.contains("done"));

    QSet<QString> succeeded;
    QSet<QString> failed;
    readAnswers(output, succeeded, failed);
    qInfo("%d answers succeeded, %d failed", int(succeeded.size()), int(failed.size()));
    QVERIFY2(!failed.isEmpty(), "the limit never stopped a settlement");
    QVERIFY2(room == 0 || !succeeded.isEmpty(), "no run fitted into the room left");
    QVERIFY(QFileInfo(storage.databasePath()).size() <= size + room);
    {
        DatabaseCheck check(storage.databasePath());
        const QString problems = check.problems(true);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        QSet<QString> stored;
        for (const QString &id : check.texts(QStringLiteral("SELECT id FROM game_records")))
            stored.insert(id);
        QCOMPARE(stored - QSet<QString>{QStringLiteral("before")}, succeeded);
    }

    // The limit was the child's alone: here the same database takes runs again.
    ApplicationCore core;
    QSignalSpy settled(&core, &ApplicationCore::gameSettled);
    QVariantMap run = runSnapshot(QStringLiteral("after"), 5);
    run.insert(QStringLiteral("startedAt"), QString(20000, QLatin1Char('y')));
    QVERIFY(core.submitGameRecord(run));
    QTRY_COMPARE_WITH_TIMEOUT(settled.count(), 1, 20000);
    QCOMPARE(settled.at(0).at(1).toBool(), true);
    QVERIFY(core.saveGameRecord("after-save", "endless", 3, "block", "", ""));
    const QString problems = DatabaseCheck(storage.databasePath()).problems(true);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

QTEST_GUILESS_MAIN(tst_FullDisk)
#include "tst_fulldisk.moc"

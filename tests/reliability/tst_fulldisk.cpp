// A child whose file-size limit stops the database from growing settles
// runs: they must fail cleanly, and once the limit is gone the same database
// must work again.

#include "app/applicationcore.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>

class tst_FullDisk : public QObject
{
    Q_OBJECT
private slots:
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
    const QByteArray output = runChild(storage.path(), {"settle", "7", "f", QString::number(runs)},
                                       {{"HOPLIX_CHILD_FILE_LIMIT", QString::number(size + room)}});
    QVERIFY(output.endsWith("done\n"));
    QSet<QString> succeeded, failed;
    readAnswers(output, succeeded, failed);
    QVERIFY2(!failed.isEmpty(), "the limit never stopped a settlement");
    QVERIFY2(room == 0 || !succeeded.isEmpty(), "no run fitted into the room left");
    QVERIFY(QFileInfo(storage.databasePath()).size() <= size + room);
    {
        DatabaseCheck check(storage.databasePath());
        QCOMPARE(check.problems(true), QString());
        QCOMPARE(setOf(check.texts("SELECT id FROM game_records WHERE id<>'before'")), succeeded);
    }

    // The limit was the child's alone: here the same database takes runs again.
    ApplicationCore core;
    QSignalSpy settled(&core, &ApplicationCore::gameSettled);
    QVERIFY(core.submitGameRecord(runSnapshot("after", 5)));
    QTRY_COMPARE_WITH_TIMEOUT(settled.count(), 1, 20000);
    QCOMPARE(settled.at(0).at(1).toBool(), true);
    QVERIFY(core.saveGameRecord("after-save", "endless", 3, "block", "", ""));
    QCOMPARE(DatabaseCheck(storage.databasePath()).problems(true), QString());
}

QTEST_GUILESS_MAIN(tst_FullDisk)
#include "tst_fulldisk.moc"

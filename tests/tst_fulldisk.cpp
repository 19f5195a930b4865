// A child process whose file-size limit stops the database from growing
// settles runs: they must fail cleanly, and once the limit is gone the same
// database must work again.

#include "applicationcore.h"
#include "reliability.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

class FullDiskTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setTestApplicationNames(); }
    void databaseCannotGrow_data();
    void databaseCannotGrow();
};

void FullDiskTest::databaseCannotGrow_data()
{
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("runs");
    QTest::newRow("no room at all") << 0 << 12;
    QTest::newRow("room for a few runs") << 16384 << stressScaled(30);
}

void FullDiskTest::databaseCannotGrow()
{
    QFETCH(int, room);
    QFETCH(int, runs);
    TestStorage storage;
    {
        ApplicationCore core;
        QVERIFY(core.saveGameRecord(QStringLiteral("before"), QStringLiteral("endless"), 20,
                                    QStringLiteral("wall"), QString(""), QString("")));
    }
    DatabaseConnection::closeConnection();
    const qint64 size = QFileInfo(storage.databasePath()).size();
    QVERIFY(size > 0);

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), storage.path());
    child.setProcessEnvironment(environment);
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
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 3)
            (words.at(2) == "1" ? succeeded : failed).insert(QString::fromLatin1(words.at(1)));
    }
    qInfo("%d answers succeeded, %d failed", int(succeeded.size()), int(failed.size()));
    QVERIFY2(!failed.isEmpty(), "the limit never stopped a settlement");
    if (room > 0)
        QVERIFY2(!succeeded.isEmpty(), "no run fitted into the room left");
    QVERIFY(QFileInfo(storage.databasePath()).size() <= size + room);

    {
        DatabaseCheck check(storage.databasePath());
        const QStringList problems = check.problems(true);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
        for (const QString &id : succeeded)
            QCOMPARE(check.value(QStringLiteral("SELECT COUNT(*) FROM game_records WHERE id=?"),
                                 {id})
                             .toInt(),
                     1);
        for (const QString &id : failed)
            QCOMPARE(check.value(QStringLiteral("SELECT COUNT(*) FROM game_records WHERE id=?"),
                                 {id})
                             .toInt(),
                     0);
    }

    // The limit was the child's alone: here the same database takes runs again.
    ApplicationCore core;
    QSignalSpy settled(&core, &ApplicationCore::gameSettled);
    QVariantMap run{{QStringLiteral("id"), QStringLiteral("after")},
                    {QStringLiteral("modeId"), QStringLiteral("endless")},
                    {QStringLiteral("score"), 5},
                    {QStringLiteral("endReason"), QStringLiteral("fall")},
                    {QStringLiteral("startedAt"), QString(20000, QLatin1Char('y'))}};
    QVERIFY(core.submitGameRecord(run));
    QTRY_COMPARE_WITH_TIMEOUT(settled.count(), 1, 20000);
    QCOMPARE(settled.at(0).at(1).toBool(), true);
    QVERIFY(core.saveGameRecord(QStringLiteral("after-save"), QStringLiteral("endless"), 3,
                                QStringLiteral("block"), QString(""), QString("")));
    DatabaseCheck check(storage.databasePath());
    const QStringList problems = check.problems(true);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

QTEST_GUILESS_MAIN(FullDiskTest)
#include "tst_fulldisk.moc"

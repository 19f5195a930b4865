// A process that settles runs is killed with SIGKILL at random moments, over
// and over, on the same database. After every kill the database must be
// sound, every run the child was told was settled must be there, and every
// stored run's achievement effects must be complete.

#include "testsupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

#include <random>

class tst_CrashConsistency : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setTestApplicationNames(); }
    void killedWhileSettling();
};

void tst_CrashConsistency::killedWhileSettling()
{
    TestStorage storage;
    const int kills = stressScaled(25);
    std::mt19937 random(20250131u);
    QSet<QString> settledIds;
    QSet<QString> failedIds;
    int killsMidSettlement = 0;

    for (int round = 0; round < kills; ++round) {
        QProcess child;
        child.setStandardErrorFile(QProcess::nullDevice());
        child.setProcessEnvironment(childEnvironment(storage.path()));
        child.start(QStringLiteral(HOPLIX_TEST_CHILD),
                    {QStringLiteral("settle"), QString::number(random()),
                     QStringLiteral("k%1").arg(round)});
        QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));

        // One kill in five lands during start-up (schema, catalogue import);
        // the rest while runs are being settled, after the first answer
        // whatever the machine's speed.
        QByteArray output;
        if (random() % 5 == 0) {
            QTest::qWait(int(random() % 60));
        } else {
            QElapsedTimer ready;
            ready.start();
            while (!output.contains("settled") && ready.elapsed() < 30000) {
                child.waitForReadyRead(100);
                output += child.readAllStandardOutput();
            }
            QVERIFY2(output.contains("settled"), "the child never settled a run");
            QTest::qWait(int(random() % 250));
        }
        child.kill();
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const int settledBefore = settledIds.size();
        readAnswers(output + child.readAllStandardOutput(), settledIds, failedIds);
        if (settledIds.size() > settledBefore)
            ++killsMidSettlement;

        if (!QFile::exists(storage.databasePath()))
            continue; // killed before the database was created
        DatabaseCheck check(storage.databasePath());
        const QString problems = check.problems(true);
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("kill %1: %2").arg(round).arg(problems)));
        // Only runs this test's children made, and every one the child heard
        // back about is still there.
        const QStringList stored = check.texts(QStringLiteral("SELECT id FROM game_records"));
        QVERIFY2(stored.filter(QRegularExpression(QStringLiteral("^k\\d+-s?\\d+$"))) == stored,
                 qPrintable(stored.join(' ')));
        for (const QString &id : settledIds)
            QVERIFY2(stored.contains(id), qPrintable(QStringLiteral("lost run %1").arg(id)));
    }

    qInfo("%d kills, %d of them after runs were settled, %d runs settled", kills,
          killsMidSettlement, int(settledIds.size()));
    // Valid runs on a working disk: nothing may have failed outright.
    QVERIFY2(failedIds.isEmpty(), qPrintable(failedIds.values().join(QLatin1Char(' '))));
    QVERIFY(killsMidSettlement > kills / 2);
}

QTEST_GUILESS_MAIN(tst_CrashConsistency)
#include "tst_crashconsistency.moc"

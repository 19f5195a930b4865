// A process that settles runs is killed with SIGKILL at random moments, over
// and over, on one database. After every kill the database must be sound,
// every run the child was told was settled must be there, and every stored
// run's achievement effects complete.

#include "testsupport.h"

#include <QElapsedTimer>
#include <QtTest>

#include <random>

class tst_CrashConsistency : public QObject
{
    Q_OBJECT
private slots:
    void killedWhileSettling();
};

void tst_CrashConsistency::killedWhileSettling()
{
    TestStorage storage;
    const int kills = stressScaled(25);
    std::mt19937 random(20250131u);
    QSet<QString> settled, failed;
    int killsMidSettlement = 0;
    for (int round = 0; round < kills; ++round) {
        QProcess child;
        startChild(child, storage.path(),
                   {"settle", QString::number(random()), QStringLiteral("k%1").arg(round), "-1"});
        QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
        // One kill in five lands during start-up (schema, catalogue import),
        // the rest after the first answer, whatever the machine's speed.
        QByteArray output;
        QElapsedTimer ready;
        ready.start();
        const bool early = random() % 5 == 0;
        while (!early && !output.contains("settled") && ready.elapsed() < 30000) {
            child.waitForReadyRead(100);
            output += child.readAllStandardOutput();
        }
        QTest::qWait(int(random() % 250));
        child.kill();
        QVERIFY(child.waitForFinished(10000));
        const int before = settled.size();
        readAnswers(output + child.readAllStandardOutput(), settled, failed);
        killsMidSettlement += settled.size() > before;
        if (!QFile::exists(storage.databasePath()))
            continue; // killed before the database was created
        DatabaseCheck check(storage.databasePath());
        const QString problems = check.problems(true);
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("kill %1: %2").arg(round).arg(problems)));
        const QStringList stored = check.texts("SELECT id FROM game_records");
        QCOMPARE(stored.filter(QRegularExpression("^k\\d+-s?\\d+$")), stored);
        for (const QString &id : settled)
            QVERIFY2(stored.contains(id), qPrintable("lost run " + id));
    }
    qInfo("%d kills, %d after runs were settled, %d runs settled", kills, killsMidSettlement,
          int(settled.size()));
    // Valid runs on a working disk: nothing may have failed outright.
    QVERIFY2(failed.isEmpty(), qPrintable(failed.values().join(' ')));
    QVERIFY(killsMidSettlement > kills / 2);
}

QTEST_GUILESS_MAIN(tst_CrashConsistency)
#include "tst_crashconsistency.moc"

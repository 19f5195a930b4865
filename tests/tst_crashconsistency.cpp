// A process that settles runs is killed with SIGKILL at random moments, over
// and over, on the same database. After every kill the database must be
// sound, every run the child was told was settled must be there, and every
// stored run's achievement effects must be complete.

#include "reliability.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <random>

class CrashConsistencyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setTestApplicationNames(); }
    void killedWhileSettling();
};

void CrashConsistencyTest::killedWhileSettling()
{
    TestStorage storage;
    const QString databasePath = storage.databasePath();
    const int kills = stressScaled(25);
    std::mt19937 random(20250131u);

    QSet<QString> settledIds;
    QSet<QString> failedIds;
    int killsMidSettlement = 0;

    for (int round = 0; round < kills; ++round) {
        QProcess child;
        child.setProcessChannelMode(QProcess::SeparateChannels);
        child.setStandardErrorFile(QProcess::nullDevice());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), storage.path());
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral(HOPLIX_TEST_CHILD),
                    {QStringLiteral("settle"), QString::number(random()),
                     QStringLiteral("k%1").arg(round)});
        QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));

        // One kill in five lands during start-up (schema, catalogue import);
        // the rest while runs are being settled, after the first answer.
        const bool duringStartup = random() % 5 == 0;
        QByteArray output;
        if (duringStartup) {
            QTest::qWait(int(random() % 60));
        } else {
            QElapsedTimer ready;
            ready.start();
            // From the first answer on, whatever the machine's speed.
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
        output += child.readAllStandardOutput();

        int inRound = 0;
        for (const QByteArray &line : output.split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() != 3)
                continue;
            const QString id = QString::fromLatin1(words.at(1));
            if (words.at(2) == "1") {
                settledIds.insert(id);
                ++inRound;
            } else {
                failedIds.insert(id);
            }
        }
        if (inRound > 0)
            ++killsMidSettlement;

        if (!QFile::exists(databasePath))
            continue; // killed before the database was created
        DatabaseCheck check(databasePath);
        QVERIFY(check.isOpen());
        const QStringList problems = check.problems(true);
        QVERIFY2(problems.isEmpty(),
                 qPrintable(
                         QStringLiteral("after kill %1: %2").arg(round).arg(problems.join("; "))));

        // Only runs this test's children made, each stored once, and every
        // one the child heard back about is still there.
        const QVariantList stored = check.column(QStringLiteral("SELECT id FROM game_records"));
        QSet<QString> storedIds;
        const QRegularExpression childId(QStringLiteral("^k\\d+-s?\\d+$"));
        for (const QVariant &id : stored) {
            QVERIFY2(childId.match(id.toString()).hasMatch(), qPrintable(id.toString()));
            storedIds.insert(id.toString());
        }
        QCOMPARE(storedIds.size(), stored.size());
        for (const QString &id : settledIds)
            QVERIFY2(storedIds.contains(id), qPrintable(QStringLiteral("lost run %1").arg(id)));
    }

    qInfo("%d kills, %d of them after runs were settled, %d runs settled", kills,
          killsMidSettlement, int(settledIds.size()));
    // Valid runs on a working disk: nothing may have failed outright.
    QVERIFY2(failedIds.isEmpty(), qPrintable(failedIds.values().join(QLatin1Char(' '))));
    QVERIFY(killsMidSettlement > kills / 2);
}

QTEST_GUILESS_MAIN(CrashConsistencyTest)
#include "tst_crashconsistency.moc"

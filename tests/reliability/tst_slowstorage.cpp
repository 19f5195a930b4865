// Cheap phone storage: every sync takes 20 to 50 ms (the sync shim's sleep;
// HOPLIX_SLOW_SYNC_MS sets another range), 300 runs are queued at once, and
// meanwhile the GUI thread saves runs, unlocks and selects skins and reads
// the achievements. None of those calls may fail, every run must be settled,
// and the longest wait of the GUI thread is reported.

#include "testsupport.h"

#include <QProcess>
#include <QtTest>

#include <algorithm>

class tst_SlowStorage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setTestApplicationNames(); }
    void guiThreadServedDuringBacklog();
};

void tst_SlowStorage::guiThreadServedDuringBacklog()
{
    TestStorage storage;
    const int runs = stressScaled(300);
    const QByteArray slowSync = qEnvironmentVariableIsSet("HOPLIX_SLOW_SYNC_MS")
            ? qgetenv("HOPLIX_SLOW_SYNC_MS")
            : QByteArray("20-50");

    QProcess child;
    QProcessEnvironment environment = childEnvironment(storage.path());
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(HOPLIX_SYNC_SHIM));
    environment.insert(QStringLiteral("HOPLIX_SLOW_SYNC_MS"), QString::fromLatin1(slowSync));
    child.setProcessEnvironment(environment);
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(QStringLiteral(HOPLIX_TEST_CHILD),
                {QStringLiteral("backlog"), QStringLiteral("11"), QStringLiteral("b"),
                 QString::number(runs)});
    QVERIFY(child.waitForFinished(20 * 60 * 1000));
    QCOMPARE(child.exitCode(), 0);
    const QByteArray output = child.readAllStandardOutput();
    QVERIFY2(output.endsWith("done\n"), output.right(200).constData());

    int settled = 0;
    QStringList failed;
    QMap<QString, QList<int>> waits;
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.first() == "settled")
            settled += words.value(2) == "1";
        if (words.first() != "call")
            continue;
        waits[QString::fromLatin1(words.value(1))] << words.value(3).toInt();
        if (words.value(2) != "1")
            failed << QString::fromLatin1(line);
    }

    int calls = 0;
    int worst = 0;
    int over250 = 0;
    for (auto it = waits.cbegin(); it != waits.cend(); ++it) {
        QList<int> sorted = it.value();
        std::sort(sorted.begin(), sorted.end());
        calls += sorted.size();
        worst = qMax(worst, sorted.last());
        over250 += int(
                std::count_if(sorted.cbegin(), sorted.cend(), [](int ms) { return ms > 250; }));
        qInfo("%-15s %4d calls, median %4d ms, worst %4d ms", qPrintable(it.key()),
              int(sorted.size()), sorted.at(sorted.size() / 2), sorted.last());
    }
    qInfo("sync %s ms, %d runs queued: %d settled; %d GUI-thread calls, %d failed, %d waited "
          "over 250 ms, worst %d ms",
          slowSync.constData(), runs, settled, calls, int(failed.size()), over250, worst);

    QVERIFY2(failed.isEmpty(), qPrintable(failed.mid(0, 5).join('\n')));
    QCOMPARE(settled, runs);
    QVERIFY(calls >= 4 * waits.size());
    // The goal is 250 ms; a call that waits for SQLite's busy timeout takes
    // 5 s and fails. Only a stall far beyond the goal fails here, so a
    // loaded machine cannot make this flake; the figure above is the result.
    QVERIFY2(worst < 2500, qPrintable(QString::number(worst)));
}

QTEST_GUILESS_MAIN(tst_SlowStorage)
#include "tst_slowstorage.moc"

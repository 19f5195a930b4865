// Cheap phone storage: every sync takes 20 to 50 ms (the sync shim's sleep;
// HOPLIX_SLOW_SYNC_MS sets another range), 300 runs are queued at once, and
// meanwhile the GUI thread saves runs, unlocks and selects skins and reads
// the achievements. None of those calls may fail, every run must be settled,
// and the longest wait of the GUI thread is reported.

#include "testsupport.h"

#include <QtTest>

class tst_SlowStorage : public QObject
{
    Q_OBJECT
private slots:
    void guiThreadServedDuringBacklog();
};

void tst_SlowStorage::guiThreadServedDuringBacklog()
{
    TestStorage storage;
    const int runs = stressScaled(300);
    const QString slowSync = qEnvironmentVariableIsSet("HOPLIX_SLOW_SYNC_MS")
            ? qgetenv("HOPLIX_SLOW_SYNC_MS")
            : "20-50";
    const QByteArray output
            = runChild(storage.path(), {"backlog", "11", "b", QString::number(runs)},
                       {{"LD_PRELOAD", HOPLIX_SYNC_SHIM}, {"HOPLIX_SLOW_SYNC_MS", slowSync}});
    QVERIFY2(output.endsWith("done\n"), output.right(200).constData());

    int settled = 0, calls = 0, worst = 0, over250 = 0;
    QStringList failed;
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        settled += words.first() == "settled" && words.value(2) == "1";
        if (words.first() != "call")
            continue;
        ++calls;
        worst = qMax(worst, words.value(3).toInt());
        over250 += words.value(3).toInt() > 250;
        if (words.value(2) != "1")
            failed << QString::fromLatin1(line);
    }
    qInfo("sync %s ms, %d runs queued: %d settled; %d GUI-thread calls, %d failed, %d waited "
          "over 250 ms, worst %d ms",
          qPrintable(slowSync), runs, settled, calls, int(failed.size()), over250, worst);
    QVERIFY2(failed.isEmpty(), qPrintable(failed.mid(0, 5).join('\n')));
    QCOMPARE(settled, runs);
    QVERIFY(calls >= 16);
    // The goal is 250 ms; a call that waits for SQLite's busy timeout takes
    // 5 s and fails. Only a stall far beyond the goal fails here, so a loaded
    // machine cannot make this flake; the figure above is the result.
    QVERIFY2(worst < 2500, qPrintable(QString::number(worst)));
}

QTEST_GUILESS_MAIN(tst_SlowStorage)
#include "tst_slowstorage.moc"

// The GUI thread keeps writing and reading through its own connection while
// the worker settles a long queue: both must get through, nothing lost and
// nothing valid refused.

#include "app/applicationcore.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QtTest>

class tst_Load : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setTestApplicationNames(); }
    void guiThreadBusyWhileWorkerSettles();
};

void tst_Load::guiThreadBusyWhileWorkerSettles()
{
    TestStorage storage;
    const int queued = stressScaled(300);
    const QStringList skinIds{"clown", "dizzy", "money", "injured", "smirking"};
    int saved = 0;
    int acknowledgements = 0;
    {
        ApplicationCore core;
        QSignalSpy acknowledged(&core, &ApplicationCore::skinRewardsAcknowledged);
        int settledOk = 0;
        int settledCount = 0;
        QVariantList rewardCodes;
        connect(&core, &ApplicationCore::gameSettled, this,
                [&](const QString &, bool success, const QVariantList &rewards, int bestScore) {
                    ++settledCount;
                    settledOk += success && bestScore >= 0;
                    for (const QVariant &reward : rewards)
                        rewardCodes << reward.toMap().value(QStringLiteral("code"));
                });

        for (int i = 0; i < queued; ++i) {
            QVariantMap run
                    = runSnapshot(core.newGameId(), (i * 37) % 300, i % 3 ? "endless" : "arcade",
                                  i % 5 ? "wall" : "abandoned");
            run.insert(QStringLiteral("maxSectionJumpCount"), i % 40);
            QVERIFY(core.submitGameRecord(run));
        }

        while (settledCount < queued) {
            ++saved;
            QVERIFY(core.saveGameRecord(QString(""), "practice", saved % 90, "fall", "", "", 1.0,
                                        2.0, 3, 2, 1, 0));
            const QString skin = skinIds.at(saved % skinIds.size());
            QVERIFY(core.unlockSkin(skin));
            QVERIFY(core.selectSkin(skin));
            QVERIFY(core.gameRecords().size() >= saved);
            QCOMPARE(core.skins().size(), 9);
            QVERIFY(core.achievements().value(QStringLiteral("ok")).toBool());
            QVERIFY(core.highestScore() >= 0);
            QCOMPARE(core.latestDeathPosition("practice").toMap().value("x"), QVariant(2.0));
            if (!rewardCodes.isEmpty()) {
                QVERIFY(core.acknowledgeSkinRewards(QStringLiteral("ack%1").arg(saved),
                                                    rewardCodes));
                rewardCodes.clear();
                ++acknowledgements;
            }
            QCoreApplication::processEvents();
        }
        QCOMPARE(settledOk, queued);
        QTRY_COMPARE(acknowledged.count(), acknowledgements);
        for (const QList<QVariant> &answer : acknowledged)
            QVERIFY(answer.at(1).toBool());
    }
    qInfo("%d runs settled while the GUI thread saved %d runs, %d acknowledgements", queued, saved,
          acknowledgements);

    DatabaseConnection::closeConnection();
    DatabaseCheck check(storage.databasePath());
    QCOMPARE(check.value(QStringLiteral("SELECT COUNT(*) FROM game_records")).toInt(),
             queued + saved);
    const QString problems = check.problems(false);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

QTEST_GUILESS_MAIN(tst_Load)
#include "tst_load.moc"

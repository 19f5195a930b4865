// The GUI thread keeps writing and reading through its own connection while
// the worker settles a long queue: both must get through, nothing lost and
// nothing valid refused.

#include "applicationcore.h"
#include "reliability.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QtTest>

class LoadTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setTestApplicationNames(); }
    void guiThreadBusyWhileWorkerSettles();
};

void LoadTest::guiThreadBusyWhileWorkerSettles()
{
    TestStorage storage;
    const int queued = stressScaled(300);
    const QStringList skinIds{QStringLiteral("clown"), QStringLiteral("dizzy"),
                              QStringLiteral("money"), QStringLiteral("injured"),
                              QStringLiteral("smirking")};
    int saved = 0;
    int acknowledgements = 0;
    int guiRounds = 0;
    {
        ApplicationCore core;
        QSignalSpy acknowledged(&core, &ApplicationCore::skinRewardsAcknowledged);
        int settledCount = 0;
        int settledOk = 0;
        QStringList rewardCodes;
        connect(&core, &ApplicationCore::gameSettled, this,
                [&](const QString &, bool success, const QVariantList &rewards, int bestScore) {
                    ++settledCount;
                    if (success && bestScore >= 0)
                        ++settledOk;
                    for (const QVariant &reward : rewards)
                        rewardCodes << reward.toMap().value(QStringLiteral("code")).toString();
                });

        for (int i = 0; i < queued; ++i) {
            const QVariantMap run{
                    {QStringLiteral("id"), core.newGameId()},
                    {QStringLiteral("modeId"),
                     i % 3 ? QStringLiteral("endless") : QStringLiteral("arcade")},
                    {QStringLiteral("score"), (i * 37) % 300},
                    {QStringLiteral("endReason"),
                     i % 5 ? QStringLiteral("wall") : QStringLiteral("abandoned")},
                    {QStringLiteral("startedAt"), QStringLiteral("2025-01-31T08:05:09Z")},
                    {QStringLiteral("endedAt"), QStringLiteral("2025-01-31T08:06:09Z")},
                    {QStringLiteral("jumpCount"), i % 50},
                    {QStringLiteral("maxSectionJumpCount"), i % 40},
                    {QStringLiteral("wallCollisionCount"), i % 2},
                    {QStringLiteral("blockCollisionCount"), i % 3}};
            QVERIFY(core.submitGameRecord(run));
        }

        while (settledCount < queued) {
            ++guiRounds;
            QVERIFY(core.saveGameRecord(QString(""), QStringLiteral("practice"), guiRounds % 90,
                                        QStringLiteral("fall"), QString(""), QString(""),
                                        QVariant(1.0), QVariant(2.0), 3, 2, 1, 0));
            ++saved;
            const QString skin = skinIds.at(guiRounds % skinIds.size());
            QVERIFY(core.unlockSkin(skin));
            QVERIFY(core.selectSkin(skin));
            QVERIFY(core.gameRecords().size() >= saved);
            QCOMPARE(core.skins().size(), 9);
            QVERIFY(core.achievements().value(QStringLiteral("ok")).toBool());
            QVERIFY(core.highestScore() >= 0);
            QCOMPARE(core.latestDeathPosition(QStringLiteral("practice")).toMap().value("x"),
                     QVariant(2.0));
            if (!rewardCodes.isEmpty()) {
                QVariantList codes;
                for (const QString &code : rewardCodes)
                    codes << code;
                rewardCodes.clear();
                QVERIFY(core.acknowledgeSkinRewards(QStringLiteral("ack%1").arg(guiRounds), codes));
                ++acknowledgements;
            }
            QCoreApplication::processEvents();
        }
        QCOMPARE(settledOk, queued);
        QTRY_COMPARE(acknowledged.count(), acknowledgements);
        for (const QList<QVariant> &answer : acknowledged)
            QVERIFY(answer.at(1).toBool());
        QCOMPARE(core.gameRecords().size(), queued + saved);
    }
    qInfo("%d runs settled while the GUI thread saved %d runs in %d rounds, %d acknowledgements",
          queued, saved, guiRounds, acknowledgements);

    DatabaseConnection::closeConnection();
    DatabaseCheck check(storage.databasePath());
    QCOMPARE(check.value(QStringLiteral("SELECT COUNT(*) FROM game_records")).toInt(),
             queued + saved);
    const QStringList problems = check.problems(false);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

QTEST_GUILESS_MAIN(LoadTest)
#include "tst_load.moc"

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
    void guiThreadBusyWhileWorkerSettles();
};

void tst_Load::guiThreadBusyWhileWorkerSettles()
{
    TestStorage storage;
    const int queued = stressScaled(300);
    const QStringList skins{"clown", "dizzy", "money", "injured", "smirking"};
    int saved = 0, acknowledgements = 0;
    {
        ApplicationCore core;
        QSignalSpy settled(&core, &ApplicationCore::gameSettled);
        QSignalSpy acknowledged(&core, &ApplicationCore::skinRewardsAcknowledged);
        for (int i = 0; i < queued; ++i) {
            QVERIFY(core.submitGameRecord(runSnapshot(core.newGameId(), (i * 37) % 300,
                                                      i % 3 ? "endless" : "arcade",
                                                      i % 5 ? "wall" : "abandoned")));
        }
        int handled = 0;
        while (handled < queued) {
            ++saved;
            QVERIFY(core.saveGameRecord("", "practice", saved % 90, "fall", "", "", 1.0, 2.0));
            QVERIFY(core.unlockSkin(skins.at(saved % 5)));
            QVERIFY(core.selectSkin(skins.at(saved % 5)));
            QVERIFY(core.gameRecords().size() >= saved);
            QCOMPARE(core.skins().size(), 9);
            QVERIFY(core.achievements().value("ok").toBool());
            QCOMPARE(core.latestDeathPosition("practice").toMap().value("x"), QVariant(2.0));
            QVariantList codes;
            for (; handled < settled.size(); ++handled) {
                QVERIFY(settled.at(handled).at(1).toBool());
                for (const QVariant &reward : settled.at(handled).at(2).toList())
                    codes << reward.toMap().value("code");
            }
            if (!codes.isEmpty() && ++acknowledgements)
                QVERIFY(core.acknowledgeSkinRewards(QString::number(saved), codes));
            QCoreApplication::processEvents();
        }
        QTRY_COMPARE(acknowledged.size(), acknowledgements);
        for (const QList<QVariant> &answer : acknowledged)
            QVERIFY(answer.at(1).toBool());
    }
    DatabaseConnection::closeConnection();
    DatabaseCheck check(storage.databasePath());
    QCOMPARE(check.value("SELECT COUNT(*) FROM game_records").toInt(), queued + saved);
    QCOMPARE(check.problems(false), QString());
}

QTEST_GUILESS_MAIN(tst_Load)
#include "tst_load.moc"

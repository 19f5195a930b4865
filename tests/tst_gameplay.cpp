#include "app/applicationcore.h"
#include "game/gameautopilot.h"
#include "game/gamesimulation.h"
#include "testsupport.h"

#include <QDateTime>
#include <QSignalSpy>

namespace {

const qint32 U = GameSimulation::Unit;

// One tap, then nothing: a fall before the first wall, scoring 0.
GameSimulation dropOut(quint64 seed)
{
    GameSimulation sim(seed);
    sim.queueJump(1);
    while (!sim.ended())
        sim.step();
    return sim;
}

// The autopilot climbs the given number of sections; then the player rushes
// on, tapping every tenth of a second, into whatever is overhead.
GameSimulation climbThenCrash(quint64 seed, int sections)
{
    GameSimulation sim(seed);
    GameAutopilot pilot;
    sim.queueJump(1);
    while (!sim.ended()) {
        sim.step();
        const int move = sim.sectionsPassed() < sections
                ? pilot.decide(sim)
                : (sim.stepCount() % 12 == 0 ? (sim.stepCount() % 24 == 0 ? 1 : -1) : 0);
        if (move != 0)
            sim.queueJump(move);
    }
    return sim;
}

// Jumps again and again under the first wall's gap without passing it.
GameSimulation hover(quint64 seed, int jumps)
{
    GameSimulation sim(seed);
    const TowerSection &first = sim.section(0);
    const qint32 centre = (first.gapLeft() + first.gapRight()) / 2;
    for (int i = 0; i < jumps && !sim.ended(); ++i) {
        while (sim.started() && !(sim.velocityY() < 0 && sim.y() < first.top() - 300 * U))
            sim.step();
        sim.queueJump(sim.x() < centre ? 1 : -1);
        sim.step();
    }
    while (!sim.ended())
        sim.step();
    return sim;
}

// The unlocked achievements in code order, as stored.
QString unlocked()
{
    return sqlValue("SELECT group_concat(code) FROM (SELECT code FROM achievements WHERE "
                    "is_unlocked ORDER BY code)")
            .toString();
}

// Submits the finished run and waits for its answer: the snapshot, or
// nothing when it was not settled.
QVariantMap settle(ApplicationCore &core, const GameSimulation &sim)
{
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    const QVariantMap snapshot
            = sim.snapshot(core.newGameId(), QStringLiteral("endless"), now, now);
    QSignalSpy settled(&core, &ApplicationCore::gameSettled);
    const bool ok = core.submitGameRecord(snapshot) && settled.wait(10000)
            && settled.first().at(1).toBool();
    return ok ? snapshot : QVariantMap();
}

} // namespace

// Every shipped achievement earned the way a player earns it: runs played
// in the simulation by a scripted player, each submitted through the real
// facade and settled by the real worker into a real database.
class tst_Gameplay : public QObject
{
    Q_OBJECT
private slots:
    void everyAchievementByPlaying()
    {
        TestStorage storage;
        ApplicationCore core;

        // Five falls at 0 in a row: practice makes perfect.
        for (quint64 seed = 1; seed <= 5; ++seed)
            QCOMPARE(settle(core, dropOut(seed)).value(QStringLiteral("score")), QVariant(0));

        // Fifty sections in one run, then a crash: the three score achievements.
        quint64 seed = 100;
        for (int score = 0; score < 500 && seed < 110; ++seed)
            score = settle(core, climbThenCrash(seed, 50)).value(QStringLiteral("score")).toInt();

        // Straight after that high death, a fall at 0: the clown.
        QVERIFY(!settle(core, dropOut(seed)).isEmpty());
        QVERIFY(unlocked().contains(QStringLiteral("clown_moment")));

        // Thirty jumps under the first wall.
        QCOMPARE(settle(core, hover(seed, 30)).value(QStringLiteral("maxSectionJumpCount")),
                 QVariant(30));

        // Climbing on, collisions and points add up over the mode's runs.
        for (int run = 0; run < 12 && unlocked().count(',') < 7; ++run)
            settle(core, climbThenCrash(++seed, 50));

        QCOMPARE(unlocked(),
                 QStringLiteral("clown_moment,every_point_counts,headstrong,practice_more,"
                                "score_200,score_50,score_500,stay_in_place"));
        // Every skin came with its achievement.
        QCOMPARE(sqlValue("SELECT COUNT(*) FROM skins WHERE is_unlocked").toInt(), 9);
    }
};

QTEST_MAIN(tst_Gameplay)
#include "tst_gameplay.moc"

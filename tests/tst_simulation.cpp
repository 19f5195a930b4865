#include "app/applicationcore.h"
#include "game/gameautopilot.h"
#include "game/gamesession.h"
#include "game/gamesimulation.h"
#include "game/randomgenerator.h"
#include "game/tuning.h"
#include "testsupport.h"

#include <QDate>
#include <QSignalSpy>

namespace {

const qint32 U = GameSimulation::Unit;
const qint64 kUntilTheEnd = qint64(1) << 40;

// Steps on until the run ends or `steps` have passed, tapping every `every`
// steps from the first: toward `side`, or from side to side when it is 0.
void play(GameSimulation &sim, qint64 steps, qint64 every = 0, int side = 0)
{
    for (qint64 i = 0; i < steps && !sim.ended(); ++i) {
        if (every > 0 && i % every == 0)
            sim.queueJump(side != 0 ? side : (i / every % 2 ? -1 : 1));
        sim.step();
    }
}

// Lets the autopilot climb for `steps` steps or `sections` sections, noting
// the world's hash at every 1,000th step when asked.
void climb(GameSimulation &sim, qint64 steps, int sections, QList<quint64> *hashes = nullptr)
{
    GameAutopilot pilot;
    sim.queueJump(1);
    for (qint64 i = 0; i < steps && !sim.ended() && sim.sectionsPassed() < sections; ++i) {
        sim.step();
        if (hashes && sim.stepCount() % 1000 == 0)
            hashes->push_back(sim.stateHash());
        sim.queueJump(pilot.decide(sim));
    }
}

// Jumps again and again under the first wall's gap, each time the character
// falls below `level`, toward the gap's middle.
void hover(GameSimulation &sim, int jumps, qint32 level)
{
    const TowerSection &first = sim.section(0);
    for (int i = 0; i < jumps && !sim.ended(); ++i) {
        while (sim.started() && !(sim.velocityY() < 0 && sim.y() < level) && !sim.ended())
            sim.step();
        sim.queueJump(sim.x() < (first.gapLeft() + first.gapRight()) / 2 ? 1 : -1);
        sim.step();
    }
}

// Taps away from the first gap three times, so the character ends up under
// a piece of the first wall, rising.
int awayFromGap(GameSimulation &sim)
{
    const TowerSection &first = sim.section(0);
    const int side = first.gapLeft() + first.gapRight() > 0 ? -1 : 1;
    play(sim, 60, 24, side);
    return side;
}

// A run on the tower of `seed`, settled through the facade: the autopilot
// climbs `sections`, then the player rushes on, tapping every tenth of a
// second, into whatever is overhead (with no sections: one tap, then
// nothing); or `hoverJumps` jumps under the first wall. The snapshot, or
// nothing when it was not settled.
QVariantMap settle(ApplicationCore &core, quint64 seed, int sections, int hoverJumps = 0)
{
    GameSimulation sim(seed);
    if (hoverJumps > 0)
        hover(sim, hoverJumps, sim.section(0).top() - 300 * U);
    else
        climb(sim, kUntilTheEnd, sections);
    play(sim, kUntilTheEnd, sections > 0 ? 12 : 0);
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    const QVariantMap snapshot = sim.summary(core.newGameId(), "endless", now, now).toSnapshot();
    QSignalSpy settled(&core, &ApplicationCore::gameSettled);
    const bool ok = core.submitGameRecord(snapshot) && settled.wait(10000)
            && settled.first().at(1).toBool();
    return ok ? snapshot : QVariantMap();
}

// The unlocked achievements in code order, as stored.
QString unlocked()
{
    return sqlText("SELECT group_concat(code) FROM (SELECT code FROM achievements WHERE "
                   "is_unlocked ORDER BY code)");
}

} // namespace

// The rules of a run, driven by scripted taps: no clock, no drawing. Also run
// under AArch64 emulation, where the golden hashes prove that the phone plays
// the same tower bit for bit. Last, every shipped achievement earned by such
// runs through the real facade, worker and database.
class tst_Simulation : public QObject
{
    Q_OBJECT
private slots:
    void determinism()
    {
        // The autopilot's run, twice: the same world at every 1,000th step,
        // and the same world as on the machine that recorded these hashes.
        const QList<quint64> golden
                = {Q_UINT64_C(0x12d61ea9932a9bd7), Q_UINT64_C(0x14a5e3c277035f36),
                   Q_UINT64_C(0xa57a7c48a484300b), Q_UINT64_C(0x0b5c647d7090e5ac),
                   Q_UINT64_C(0xbbe6cbbd553cff16), Q_UINT64_C(0x30a5abaab585ee6a),
                   Q_UINT64_C(0x804961549cadf776), Q_UINT64_C(0x11fb96b79d51716f)};
        for (int round = 0; round < 2; ++round) {
            GameSimulation sim(20250131);
            QList<quint64> hashes;
            climb(sim, 8000, 1000, &hashes);
            QCOMPARE(hashes, golden);
        }
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("powerUp");
        // The snapshot's end reason, wall and block collisions, jumps and score.
        QTest::addColumn<QString>("outcome");
        const int none = TowerSection::NoPowerUp;
        // One tap, then nothing.
        QTest::newRow("fall") << "tap" << none << "fall 0 0 1 0";
        // Rushing up, tapping every tenth of a second, into the first block
        // in the way. A shield breaks at the first hard hit and the second
        // ends the run; clearing the screen just before the block lets the
        // rush go on to a wall.
        QTest::newRow("block") << "rush" << none << "block 0 1 67 70";
        QTest::newRow("block, shielded")
                << "rush" << int(TowerSection::Shield) << "block 0 2 68 70";
        QTest::newRow("block, cleared") << "rush" << int(TowerSection::Clear) << "wall 1 1 182 200";
        // The same from under a piece of the first wall.
        QTest::newRow("wall") << "wall" << none << "wall 1 0 6 0";
        QTest::newRow("wall, shielded") << "wall" << int(TowerSection::Shield) << "wall 2 0 7 0";
        // A jump from far below reaches the wall slowly: a bump, counted
        // once, and the run goes on.
        QTest::newRow("glancing bump") << "bump" << none << " 1 0 4 0";
        // Straight up through the wall overhead, touching nothing; the taps
        // during the dash are lost.
        QTest::newRow("dash") << "dash" << int(TowerSection::Dash) << " 0 0 3 10";
    }

    void outcomes()
    {
        QFETCH(QString, script);
        QFETCH(int, powerUp);
        GameSimulation sim(7);
        const int side = script == "tap" || script == "rush" ? 1 : awayFromGap(sim);
        play(sim, powerUp == TowerSection::Clear ? 600 : 0, 10);
        sim.applyPowerUp(powerUp);
        if (script == "bump") {
            while (!(sim.velocityY() < 0 && sim.y() < 380 * U))
                sim.step();
            play(sim, 80, 80, side);
        } else {
            play(sim, script == "dash" ? Tuning::DashSteps : 2000, script == "tap" ? 2000 : 10);
        }
        const RunSummary run = sim.summary("id", "endless", "a", "b");
        const QString outcome = QStringLiteral("%1 %2 %3 %4 %5")
                                        .arg(run.endReason)
                                        .arg(run.wallCollisionCount)
                                        .arg(run.blockCollisionCount)
                                        .arg(run.jumpCount)
                                        .arg(run.score);
        QTEST(outcome, "outcome");
        if (sim.ended())
            QCOMPARE(run.deathWorldY.toDouble(), double(sim.y()) / U);
    }

    void runAsSnapshot()
    {
        // The snapshot is also what the front end and scripts send: its keys
        // are an interface, spelled here as they reach settlement. Read back,
        // it gives the same run, field by field (every count a different
        // number, so none can stand in for another).
        GameSimulation sim(7);
        play(sim, kUntilTheEnd, 10);
        RunSummary run = sim.summary("{run}", "daily", "a", "b");
        run.wallCollisionCount = 2;
        run.blockCollisionCount = 3;
        run.maxSectionJumpCount = 5;
        QVERIFY(run.jumpCount > 5 && run.score > 0 && run.endReason == "block");
        const QVariantMap snapshot = run.toSnapshot();
        QCOMPARE(QStringList(snapshot.keys()),
                 QStringList({"blockCollisionCount", "deathWorldX", "deathWorldY", "endReason",
                              "endedAt", "id", "jumpCount", "maxSectionJumpCount", "modeId",
                              "score", "startedAt", "wallCollisionCount"}));
        RunSummary back;
        QVERIFY(RunSummary::fromSnapshot(snapshot, back));
        QCOMPARE(back.toSnapshot(), snapshot);
        QCOMPARE(snapshot.value("deathWorldX"), QVariant(double(sim.deathX()) / U));
    }

    void jumpsCountPerSection()
    {
        // Four jumps climb out of the first section through its gap, seven
        // keep the character hovering in the second, and five more after
        // falling back count on with the first section's four.
        GameSimulation sim(7);
        const qint32 top = sim.section(0).top();
        hover(sim, 4, 600 * U);
        while (sim.velocityY() > 0)
            sim.step();
        hover(sim, 7, top + 150 * U);
        QCOMPARE(sim.maxSectionJumpCount(), 7);
        while (sim.sectionIndexAt(sim.y()) != 0 && !sim.ended())
            sim.step();
        hover(sim, 5, top - 40 * U);
        QCOMPARE(sim.jumpCount(), 16);
        QCOMPARE(sim.maxSectionJumpCount(), 9);
    }

    void dailySeed()
    {
        // Every phone, on any version, climbs the same tower on the same UTC day.
        const QDate day(2025, 1, 31);
        QCOMPARE(GameSession::seedFor("daily", day), Q_UINT64_C(0xc3d511194e5160d2));
        QVERIFY(GameSession::seedFor("endless", day) != GameSession::seedFor("endless", day));
    }

    void evenMotionOnFrames_data()
    {
        QTest::addColumn<double>("hertz");
        QTest::addColumn<int>("jitterMicroseconds");
        QTest::newRow("50 Hz") << 50.0 << 0;
        QTest::newRow("60 Hz") << 60.0 << 0;
        QTest::newRow("60 Hz, jitter") << 60.0 << 1000;
        QTest::newRow("90 Hz") << 90.0 << 0;
        QTest::newRow("120 Hz") << 120.0 << 0;
    }

    void evenMotionOnFrames()
    {
        // While the character flies sideways, every frame shows the stretch
        // of the flight its time holds, whatever the display's rate: no frame
        // without motion, none with a doubled step.
        QFETCH(double, hertz);
        QFETCH(int, jitterMicroseconds);
        GameSession session;
        session.prepare("endless", "even", "7");
        session.jump(1);
        const qint64 period = qint64(1e9 / hertz);
        RandomGenerator jitter(3);
        QList<double> moves;
        double lastX = session.drawnPlayerX();
        double lastVelocity = session.velocityX();
        for (int i = 0; i < 30 && session.state() == GameSession::Running; ++i) {
            const qint64 off = jitterMicroseconds
                    ? qint64(jitter.next() % (2 * jitterMicroseconds + 1)) - jitterMicroseconds
                    : 0;
            session.frame(i * period + off * 1000);
            const double x = session.drawnPlayerX();
            // The flight slows by drag: each frame's move is measured against
            // the speed the frame spans.
            if (i > 1)
                moves << (x - lastX) / ((session.velocityX() + lastVelocity) / 2 * period / 1e9);
            lastX = x;
            lastVelocity = session.velocityX();
        }
        QVERIFY(moves.size() >= 5);
        double mean = 0;
        for (double m : moves)
            mean += m / moves.size();
        for (double m : moves)
            QVERIFY2(qAbs(m - mean) <= 0.05 * qAbs(mean),
                     qPrintable(QString("%1 against %2").arg(m).arg(mean)));
    }

    void drawnRunEndsAsUndrawn()
    {
        // A run on jittery 60 Hz frames, drawn between its steps on every
        // frame, is the same world bit for bit as the simulation alone given
        // the same taps before the same steps: drawing never feeds back. The
        // autopilot taps, once a frame at most, as a player would.
        GameSession session;
        GameAutopilot pilot;
        session.prepare("endless", "drawn", "7");
        RandomGenerator jitter(5);
        QList<QPair<qint64, int>> taps;
        double drawn = 0;
        for (int i = 0; i < 3000 && session.state() != GameSession::Over; ++i) {
            const int side = i == 0 ? 1 : pilot.decide(session.simulation());
            if (side != 0) {
                taps << qMakePair(session.simulation().stepCount(), side);
                session.jump(side);
            }
            session.frame(i * qint64(16666667) + qint64(jitter.next() % 2000001) - 1000000);
            drawn += session.drawnPlayerX() + session.drawnCameraY() + session.stepFraction();
        }
        QVERIFY(drawn != 0);
        QVERIFY(session.simulation().stepCount() > 600);

        GameSimulation alone(7);
        for (const auto &tap : taps) {
            while (alone.stepCount() < tap.first && !alone.ended())
                alone.step();
            alone.queueJump(tap.second);
        }
        while (alone.stepCount() < session.simulation().stepCount() && !alone.ended())
            alone.step();
        QCOMPARE(alone.stepCount(), session.simulation().stepCount());
        QCOMPARE(alone.stateHash(), session.simulation().stateHash());
    }

    void autopilotClimbs()
    {
        // A controller that reads the world gets through fifty sections of most
        // towers: generated towers are playable.
        int climbed = 0;
        for (quint64 seed = 1; seed <= 12; ++seed) {
            GameSimulation sim(seed);
            climb(sim, 120 * 600, 50);
            climbed += sim.sectionsPassed() >= 50;
        }
        QVERIFY2(climbed >= 8, qPrintable(QString::number(climbed)));
    }

    void everyAchievementByPlaying()
    {
        TestStorage storage;
        ApplicationCore core;
        // Five falls at 0 in a row: practice makes perfect.
        for (quint64 seed = 1; seed <= 5; ++seed)
            QCOMPARE(settle(core, seed, 0).value("score"), QVariant(0));
        // Fifty sections in one run, then a crash: the three score achievements.
        quint64 seed = 100;
        for (int score = 0; score < 500 && seed < 110; ++seed)
            score = settle(core, seed, 50).value("score").toInt();
        // Straight after that high death, a fall at 0: the clown.
        QVERIFY(!settle(core, seed, 0).isEmpty() && unlocked().contains("clown_moment"));
        // Thirty jumps under the first wall.
        QCOMPARE(settle(core, seed, 0, 30).value("maxSectionJumpCount"), QVariant(30));
        // Climbing on, collisions and points add up over the mode's runs.
        for (int run = 0; run < 12 && unlocked().count(',') < 7; ++run)
            settle(core, ++seed, 50);
        QCOMPARE(unlocked(),
                 QStringLiteral("clown_moment,every_point_counts,headstrong,practice_more,"
                                "score_200,score_50,score_500,stay_in_place"));
        // Every skin came with its achievement.
        QCOMPARE(sqlText("SELECT COUNT(*) FROM skins WHERE is_unlocked"), QStringLiteral("9"));
    }
};

QTEST_GUILESS_MAIN(tst_Simulation)
#include "tst_simulation.moc"

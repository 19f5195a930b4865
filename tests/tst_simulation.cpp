#include "game/gameautopilot.h"
#include "game/gamesession.h"
#include "game/gamesimulation.h"

#include <QDate>
#include <QTest>

#include <functional>
#include <vector>

// The rules of a run, driven by scripted taps: no clock, no drawing, no
// database. Also run under AArch64 emulation, where the golden hashes prove
// that the phone plays the same tower bit for bit.
class tst_Simulation : public QObject
{
    Q_OBJECT
private slots:
    void determinism();
    void endReasons_data();
    void endReasons();
    void glancingTouchBounces();
    void clearAndDash();
    void jumpsCountPerSection();
    void dailySeed();
    void autopilotClimbs();
};

namespace {

const qint32 U = GameSimulation::Unit;

struct Tap
{
    qint64 step;
    int side;
};

// Steps until the run ends or `steps` have passed, tapping as scripted
// (a tap at step n is taken by step n + 1).
void play(GameSimulation &sim, const std::vector<Tap> &taps, qint64 steps)
{
    size_t next = 0;
    while (next < taps.size() && taps[next].step < sim.stepCount())
        ++next;
    const qint64 until = sim.stepCount() + steps;
    while (!sim.ended() && sim.stepCount() < until) {
        while (next < taps.size() && taps[next].step <= sim.stepCount())
            sim.queueJump(taps[next++].side);
        sim.step();
    }
}

// Lets the autopilot climb until the condition holds or the run ends,
// recording its taps when asked.
bool climbUntil(GameSimulation &sim, const std::function<bool()> &condition, qint64 steps = 40000,
                std::vector<Tap> *taps = nullptr)
{
    GameAutopilot pilot;
    sim.queueJump(1);
    for (qint64 i = 0; i < steps && !sim.ended(); ++i) {
        sim.step();
        if (condition())
            return true;
        const int move = pilot.decide(sim);
        if (move != 0)
            sim.queueJump(move);
        if (move != 0 && taps)
            taps->push_back({sim.stepCount(), move});
    }
    return false;
}

// Taps away from the first gap three times, so the character ends up under
// a piece of the first wall, rising.
int awayFromGap(GameSimulation &sim)
{
    const TowerSection &first = sim.section(0);
    const int side = first.gapLeft() + first.gapRight() > 0 ? -1 : 1;
    play(sim, {{0, side}, {24, side}, {48, side}}, 60);
    return side;
}

// Taps every ten steps: the character rises at nearly full speed into
// whatever is overhead.
void hammer(GameSimulation &sim, qint64 steps)
{
    std::vector<Tap> taps;
    for (qint64 i = 0; i < steps; i += 10)
        taps.push_back({sim.stepCount() + i, i % 20 == 0 ? 1 : -1});
    play(sim, taps, steps);
}

} // namespace

void tst_Simulation::determinism()
{
    // The autopilot's taps, recorded, are the script; replayed twice, they
    // must give the same world at every 1,000th step, and the same world as
    // on the machine that recorded these hashes.
    const quint64 seed = 20250131;
    std::vector<Tap> script{{0, 1}};
    GameSimulation recorded(seed);
    climbUntil(
            recorded, [] { return false; }, 8000, &script);
    std::vector<std::vector<quint64>> hashes(2);
    QVariantMap snapshots[2];
    for (int round = 0; round < 2; ++round) {
        GameSimulation sim(seed);
        for (int block = 0; block < 8 && !sim.ended(); ++block) {
            play(sim, script, 1000);
            hashes[size_t(round)].push_back(sim.stateHash());
        }
        sim.abandon();
        snapshots[round] = sim.snapshot("id", "endless", QString(), QString());
    }
    QCOMPARE(hashes[0], hashes[1]);
    QCOMPARE(snapshots[0], snapshots[1]);
    const std::vector<quint64> golden
            = {Q_UINT64_C(0x12d61ea9932a9bd7), Q_UINT64_C(0x14a5e3c277035f36),
               Q_UINT64_C(0xa57a7c48a484300b), Q_UINT64_C(0x0b5c647d7090e5ac),
               Q_UINT64_C(0xbbe6cbbd553cff16), Q_UINT64_C(0x30a5abaab585ee6a),
               Q_UINT64_C(0x804961549cadf776), Q_UINT64_C(0x11fb96b79d51716f)};
    QCOMPARE(hashes[0], golden);
}

void tst_Simulation::endReasons_data()
{
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("shielded");
    // One tap then nothing; rushing up under a wall; tapping just under a block.
    // With a shield, the first hard hit breaks it and the second ends the run.
    QTest::newRow("fall") << "fall" << false;
    QTest::newRow("wall") << "wall" << false;
    QTest::newRow("wall, shielded") << "wall" << true;
    QTest::newRow("block") << "block" << false;
}

void tst_Simulation::endReasons()
{
    QFETCH(QString, reason);
    QFETCH(bool, shielded);
    GameSimulation sim(7);
    if (reason == QLatin1String("fall")) {
        play(sim, {{0, 1}}, 2000);
    } else if (reason == QLatin1String("wall")) {
        awayFromGap(sim);
        if (shielded)
            sim.applyPowerUp(TowerSection::Shield);
        hammer(sim, 600);
    } else {
        // Climb until a block hangs just overhead, then jump into it.
        QVERIFY(climbUntil(sim, [&] {
            const TowerSection *here = sim.sectionAt(sim.y());
            for (const TowerSection::Obstacle &block : here->blocks) {
                const qint32 gap = block.bottom - sim.y() - GameSimulation::Radius;
                if (block.present && gap > 10 * U && gap < 60 * U && sim.x() > block.left + 40 * U
                    && sim.x() < block.right() - 40 * U && sim.velocityY() <= 0)
                    return true;
            }
            return false;
        }));
        play(sim, {{sim.stepCount(), 1}}, 60);
    }
    QVERIFY(sim.ended());
    const QVariantMap snapshot = sim.snapshot("id", "endless", "a", "b");
    QCOMPARE(snapshot.value(QStringLiteral("endReason")).toString(), reason);
    QCOMPARE(snapshot.value(QStringLiteral("deathWorldY")).toDouble(), double(sim.y()) / U);
    QVERIFY(reason != QLatin1String("wall") || sim.wallCollisionCount() == 1 + shielded);
    QVERIFY(!sim.shield());
    QVERIFY(reason != QLatin1String("block") || sim.blockCollisionCount() >= 1);
}

void tst_Simulation::glancingTouchBounces()
{
    // A jump from far enough below reaches the wall slowly: a bump, counted
    // once, and the run goes on.
    GameSimulation sim(7);
    const int side = awayFromGap(sim);
    while (!(sim.velocityY() < 0 && sim.y() < 380 * U))
        sim.step();
    play(sim, {{sim.stepCount(), side}}, 60);
    QVERIFY(!sim.ended());
    QVERIFY(sim.velocityY() < 0);
    play(sim, {}, 20);
    QCOMPARE(sim.wallCollisionCount(), 1);
}

void tst_Simulation::clearAndDash()
{
    // Clear: every block on screen goes, the ones above stay.
    GameSimulation sim(11);
    auto blocksOnScreen = [&] {
        int count = 0;
        for (int slot = 0; slot < GameSimulation::LiveSections; ++slot) {
            for (const TowerSection::Obstacle &block : sim.section(slot).blocks) {
                count += block.present && block.top() > sim.cameraY()
                        && block.bottom < sim.cameraY() + GameSimulation::ViewHeight;
            }
        }
        return count;
    };
    QVERIFY(climbUntil(sim, [&] { return blocksOnScreen() >= 2; }));
    sim.applyPowerUp(TowerSection::Clear);
    QCOMPARE(blocksOnScreen(), 0);
    QVERIFY(sim.clearedBlockCount() >= 2);

    // Dash: straight up through the wall overhead, touching nothing, and
    // taps during it are lost.
    GameSimulation dash(7);
    awayFromGap(dash);
    const int jumps = dash.jumpCount();
    dash.applyPowerUp(TowerSection::Dash);
    play(dash, {{dash.stepCount() + 5, 1}}, GameSimulation::DashSteps);
    QVERIFY(!dash.ended() && dash.wallCollisionCount() == 0);
    QCOMPARE(dash.jumpCount(), jumps);
    QCOMPARE(dash.sectionsPassed(), 1);
}

void tst_Simulation::jumpsCountPerSection()
{
    // Four jumps climb out of the first section through its gap, seven
    // keep the character hovering in the second, and five more after
    // falling back count on with the first section's four.
    GameSimulation sim(7);
    const TowerSection &first = sim.section(0);
    const qint32 centre = (first.gapLeft() + first.gapRight()) / 2;
    auto hover = [&](int jumps, qint32 level) {
        for (int i = 0; i < jumps; ++i) {
            while (sim.started() && !(sim.velocityY() < 0 && sim.y() < level) && !sim.ended())
                sim.step();
            sim.queueJump(sim.x() < centre ? 1 : -1);
            sim.step();
        }
    };
    hover(4, 600 * U);
    QCOMPARE(sim.maxSectionJumpCount(), 4);
    while (sim.velocityY() > 0)
        sim.step();
    hover(7, first.top() + 150 * U);
    QCOMPARE(sim.sectionIndexAt(sim.y()), 1);
    QCOMPARE(sim.maxSectionJumpCount(), 7);
    while (sim.sectionIndexAt(sim.y()) != 0 && !sim.ended())
        sim.step();
    hover(5, first.top() - 40 * U);
    QVERIFY(!sim.ended());
    QCOMPARE(sim.jumpCount(), 16);
    QCOMPARE(sim.maxSectionJumpCount(), 9);
}

void tst_Simulation::dailySeed()
{
    const QDate day(2025, 1, 31);
    QCOMPARE(GameSession::seedFor("daily", day), GameSession::seedFor("daily", day));
    QVERIFY(GameSession::seedFor("daily", day) != GameSession::seedFor("daily", day.addDays(1)));
    QVERIFY(GameSession::seedFor("endless", day) != GameSession::seedFor("endless", day));
}

void tst_Simulation::autopilotClimbs()
{
    // A controller that reads the world gets through fifty sections of most
    // towers: generated towers are playable.
    int climbed = 0;
    for (quint64 seed = 1; seed <= 12; ++seed) {
        GameSimulation sim(seed);
        climbed += climbUntil(
                sim, [&] { return sim.sectionsPassed() >= 50; }, 120 * 600);
    }
    QVERIFY2(climbed >= 8, qPrintable(QString::number(climbed)));
}

QTEST_GUILESS_MAIN(tst_Simulation)
#include "tst_simulation.moc"

#include "game/gameautopilot.h"

#include "game/gamesimulation.h"
#include "game/tuning.h"

#include <algorithm>
#include <cstdlib>

GameAutopilot::GameAutopilot(int lookahead)
    : lookahead(lookahead)
    , pause(0)
    , sectionsSeen(0)
    , progressStep(0)
    , random(Q_UINT64_C(0x51ed2701))
{ }

int GameAutopilot::rule(const GameSimulation &sim)
{
    const qint32 U = GameSimulation::Unit;
    const qint32 R = Tuning::CharacterRadius;
    if (sim.dashing() || sim.velocityY() > 0)
        return 0;
    const TowerSection *here = sim.sectionAt(sim.y());
    if (!here)
        return 0;
    // Once the character's head is in this section's gap, aim for the next.
    const TowerSection *section = here;
    if (sim.y() + R > section->walls[0].bottom) {
        const TowerSection *above = sim.sectionAt(section->top() + 1);
        if (above)
            section = above;
    }
    const qint32 target = (section->gapLeft() + section->gapRight()) / 2;
    const qint32 dx = target - sim.x();
    const bool underGap
            = sim.x() - R > section->gapLeft() + 8 * U && sim.x() + R < section->gapRight() - 8 * U;
    const int side = underGap || std::abs(dx) < 20 * U ? (sim.velocityX() > 0 ? -1 : 1)
                                                       : (dx < 0 ? -1 : 1);
    if (sim.standing())
        return side;
    const bool low = sim.y() - sim.cameraY() < 200 * U;
    if (low)
        return side;

    // Under the wall, cross toward the gap only from low enough that the
    // jump's top stays under the wall; under the gap, climb unless a block
    // hangs just overhead.
    qint32 ceiling = underGap ? section->top() + section->height : section->walls[0].bottom;
    for (const TowerSection::Obstacle &block : here->blocks) {
        if (block.present && block.bottom > sim.y() && block.left < sim.x() + R + 24 * U
            && block.right() > sim.x() - R - 24 * U)
            ceiling = std::min(ceiling, block.bottom);
    }
    const qint32 clearance = ceiling - sim.y() - R;
    return clearance < 150 * U ? 0 : side;
}

long long GameAutopilot::value(GameSimulation trial, int firstMove) const
{
    if (firstMove != 0)
        trial.queueJump(firstMove);
    for (int i = 0; i < lookahead && !trial.ended(); ++i) {
        trial.step();
        if (i > 2) {
            const int move = rule(trial);
            if (move != 0)
                trial.queueJump(move);
        }
    }
    if (trial.ended())
        return -1000000000LL + trial.stepCount();
    // Height above the screen's bottom edge, plus what was passed.
    return (long long)(trial.y() - trial.cameraY()) / GameSimulation::Unit
            + 400LL * trial.sectionsPassed();
}

int GameAutopilot::decide(const GameSimulation &sim)
{
    if (sim.ended() || sim.dashing())
        return 0;
    if (sim.sectionsPassed() > sectionsSeen) {
        sectionsSeen = sim.sectionsPassed();
        progressStep = sim.stepCount();
    }
    // Stuck below the same wall for seconds: flail like a person would,
    // jumping to random sides, until something gives.
    const qint64 stalled = sim.stepCount() - progressStep;
    if (stalled > 4 * GameSimulation::StepsPerSecond) {
        if (stalled > 6 * GameSimulation::StepsPerSecond)
            progressStep = sim.stepCount();
        const int move = rule(sim);
        if (move == 0)
            return 0;
        return random.chance(500) ? -1 : 1;
    }
    if (pause > 0) {
        --pause;
        return 0;
    }
    const int wanted = rule(sim);
    if (wanted == 0)
        return 0;
    // The rule wants a jump: try it against jumping the other way and
    // against waiting a moment, on copies of the world. Ties go to the rule.
    int best = wanted;
    long long bestValue = value(sim, wanted);
    for (int move : {-wanted, 0}) {
        const long long v = value(sim, move);
        if (v > bestValue) {
            bestValue = v;
            best = move;
        }
    }
    if (best == 0)
        pause = 3;
    return best;
}

#include "game/replaycursor.h"

#include "game/gamesimulation.h"

bool ReplayCursor::pending(const GameSimulation &simulation) const
{
    return !simulation.ended() && simulation.stepCount() < m_replay.steps;
}

void ReplayCursor::queueNext(GameSimulation &simulation)
{
    const qint64 next = simulation.stepCount() + 1;
    // Taps of steps already behind (a cursor started late) are dropped, never
    // played on the wrong step.
    while (m_next < m_replay.taps.size() && m_replay.taps.at(m_next).step < next)
        ++m_next;
    if (m_next < m_replay.taps.size() && m_replay.taps.at(m_next).step == next)
        simulation.queueJump(m_replay.taps.at(m_next++).side);
}

void ReplayCursor::settle(GameSimulation &simulation) const
{
    if (!simulation.ended() && simulation.stepCount() >= m_replay.steps)
        simulation.abandon();
}

void ReplayCursor::step(GameSimulation &simulation)
{
    if (!pending(simulation))
        return;
    queueNext(simulation);
    simulation.step();
    settle(simulation);
}

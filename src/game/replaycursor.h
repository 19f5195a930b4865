#ifndef REPLAYCURSOR_H
#define REPLAYCURSOR_H

#include "game/replay.h"

class GameSimulation;

// Plays a replay into a simulation one step at a time: before each step it
// queues the tap the replay took at that step, and after the replay's last
// step it leaves the run as the replay left it (abandoned, if it was). The
// same cursor drives a watched run and a ghost.
class ReplayCursor
{
public:
    ReplayCursor() = default;
    explicit ReplayCursor(const Replay &replay)
        : m_replay(replay)
    { }

    const Replay &replay() const { return m_replay; }
    // True while the simulation has steps of the replay left to take.
    bool pending(const GameSimulation &simulation) const;
    // Queues the tap of the simulation's next step, if the replay took one.
    void queueNext(GameSimulation &simulation);
    // Ends the run once the replay's steps are all taken: a replay of a run
    // that ended by itself has ended already; any other stops there.
    void settle(GameSimulation &simulation) const;
    // queueNext, a step, settle.
    void step(GameSimulation &simulation);

private:
    Replay m_replay;
    int m_next = 0;
};

#endif // REPLAYCURSOR_H

#ifndef GAMEAUTOPILOT_H
#define GAMEAUTOPILOT_H

#include "game/randomgenerator.h"

class GameSimulation;

// A player made of rules: reads the world and jumps for the gaps. It checks
// each possible tap by playing the next moments on a copy of the world and
// picks the one that climbs highest without dying. The tests use it to show
// that generated towers can be climbed; the benchmark to play long runs.
class GameAutopilot
{
public:
    explicit GameAutopilot(int lookahead = 160);

    // -1 jump left, 1 jump right, 0 no jump this step.
    int decide(const GameSimulation &simulation);
    // The plain rule alone: toward the next gap while falling.
    static int rule(const GameSimulation &simulation);

private:
    long long value(GameSimulation trial, int firstMove) const;

    int lookahead;
    int pause;
    int sectionsSeen;
    qint64 progressStep;
    RandomGenerator random;
};

#endif // GAMEAUTOPILOT_H

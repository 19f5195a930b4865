#ifndef TOWERGENERATOR_H
#define TOWERGENERATOR_H

#include "game/randomgenerator.h"
#include "game/towersection.h"

// Builds the tower one section at a time, from the bottom up, out of one
// seed. Difficulty follows the section's index (the curves are in
// game/tuning.h): the first sections are wide open and still, later ones
// shorter, with narrower gaps, more blocks and walls and blocks that slide
// faster.
class TowerGenerator
{
public:
    explicit TowerGenerator(quint64 seed = 0);

    TowerSection next();

    static int blockCount(int index);

private:
    void placeWall(TowerSection &section);
    void placeBlocks(TowerSection &section);
    void placePowerUp(TowerSection &section);

    RandomGenerator random;
    int nextIndex;
    qint32 nextBottom;
    qint32 previousGapCentre;
};

#endif // TOWERGENERATOR_H

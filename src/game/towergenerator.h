#ifndef TOWERGENERATOR_H
#define TOWERGENERATOR_H

#include "game/randomgenerator.h"
#include "game/towersection.h"

// Builds the tower one section at a time, from the bottom up, out of one
// seed. Difficulty follows the section's index: the first sections are wide
// open and still, later ones shorter, with narrower gaps, more blocks and
// walls and blocks that slide faster.
class TowerGenerator
{
public:
    // World geometry, in fixed-point units: 256 per world unit, so a
    // position survives any number of steps without rounding drift and
    // every architecture computes the same tower.
    enum : qint32 {
        Unit = 256,
        FieldHalfWidth = 360 * Unit,
        WallThickness = 32 * Unit,
        BlockHeight = 30 * Unit,
        PowerUpRadius = 28 * Unit,
        // Room the character needs beside a sliding block at the field's edge.
        BlockMargin = 90 * Unit,
        // Room above anything the character may stand on: its own height
        // plus the rise after which a jump has slowed to a gentle touch.
        HeadRoom = 188 * Unit
    };

    explicit TowerGenerator(quint64 seed = 0);

    TowerSection next();

    // The numbers behind the difficulty curve, by section index.
    static qint32 sectionHeight(int index);
    static qint32 gapWidth(int index);
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

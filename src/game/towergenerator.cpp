#include "game/towergenerator.h"

#include "game/tuning.h"

#include <algorithm>

using namespace Tuning;

namespace {

// Random lengths are drawn in whole world units.
qint32 drawLength(RandomGenerator &random, qint32 low, qint32 high)
{
    return random.between(low / Unit, high / Unit) * Unit;
}

} // namespace

TowerGenerator::TowerGenerator(quint64 seed)
    : random(seed)
    , nextIndex(0)
    , nextBottom(0)
    , previousGapCentre(0)
{ }

int TowerGenerator::blockCount(int index)
{
    return index < OneBlockFrom ? 0 : (index < TwoBlocksFrom ? 1 : 2);
}

TowerSection TowerGenerator::next()
{
    TowerSection section;
    section.index = nextIndex++;
    section.bottom = nextBottom;
    section.height = SectionHeight.at(section.index);
    nextBottom += section.height;
    placeWall(section);
    placeBlocks(section);
    placePowerUp(section);
    return section;
}

void TowerGenerator::placeWall(TowerSection &section)
{
    const int k = section.index;
    const qint32 gap = GapWidth.at(k);
    // A sliding wall needs its pieces to reach past the field's edges at
    // either end of its travel.
    const bool slides = k >= SlidingWallsFrom && random.chance(WallSlideChance.at(k));
    const qint32 travel = slides ? drawLength(random, WallTravelLeast, WallTravelMost) : 0;

    // The first gaps stay near the previous one, so a beginner climbs almost
    // straight up; later gaps may be anywhere.
    const qint32 edge = FieldHalfWidth - gap / 2 - GapEdgeMargin - travel;
    const qint32 shift = GapShift.at(k);
    const qint32 low = std::max(-edge, previousGapCentre - shift);
    const qint32 high = std::min(edge, previousGapCentre + shift);
    const qint32 centre = drawLength(random, low, high);
    previousGapCentre = centre;

    const qint32 wallBottom = section.top() - WallThickness;
    const qint32 outer = FieldHalfWidth + travel + WallOverhang;
    TowerSection::Obstacle &left = section.walls[0];
    left.left = -outer;
    left.width = centre - gap / 2 + outer;
    TowerSection::Obstacle &right = section.walls[1];
    right.left = centre + gap / 2;
    right.width = outer - right.left;
    const qint32 speed = slides ? WallSlideSpeed.at(k) : 0;
    const qint32 direction = random.chance(500) ? 1 : -1;
    for (TowerSection::Obstacle *piece : {&left, &right}) {
        piece->bottom = wallBottom;
        piece->height = WallThickness;
        piece->velocity = direction * speed;
        piece->minLeft = piece->left - travel;
        piece->maxLeft = piece->left + travel;
        piece->present = true;
    }
}

void TowerGenerator::placeBlocks(TowerSection &section)
{
    const int k = section.index;
    const int count = blockCount(k);
    // Whatever the character stands on (the floor, a block) leaves its head
    // room enough for a jump to reach the next thing above only gently, so
    // no landing place is a trap. Two blocks keep to their own half of the
    // field, sliding or not, so they never stack.
    const qint32 lowest = section.bottom + HeadRoom;
    const qint32 highest = section.top() - WallThickness - HeadRoom - BlockHeight;
    for (int i = 0; i < count; ++i) {
        TowerSection::Obstacle &block = section.blocks[i];
        block.bottom = drawLength(random, lowest, std::max(lowest, highest));
        block.height = BlockHeight;
        block.width = BlockWidth.at(k) + drawLength(random, 0, BlockWidthSpread);
        const qint32 fieldLow = -FieldHalfWidth + BlockMargin;
        const qint32 fieldHigh = FieldHalfWidth - BlockMargin;
        const qint32 low = count == 2 && i == 1 ? BlockMargin / 2 : fieldLow;
        const qint32 high = count == 2 && i == 0 ? -BlockMargin / 2 : fieldHigh;
        block.minLeft = low;
        block.maxLeft = std::max(low, high - block.width);
        block.left = drawLength(random, block.minLeft, block.maxLeft);
        if (k >= MovingBlocksFrom && random.chance(BlockMoveChance.at(k))) {
            const qint32 speed = BlockSpeed.at(k);
            block.velocity = random.chance(500) ? speed : -speed;
        }
        block.present = true;
    }
}

void TowerGenerator::placePowerUp(TowerSection &section)
{
    if (section.index < PowerUpsFrom || !random.chance(PowerUpChance))
        return;
    TowerSection::PowerUp &power = section.powerUp;
    power.kind = random.between(TowerSection::Dash, TowerSection::Shield);
    // Half-way between the floor and the first block, or between the blocks:
    // never inside one.
    const qint32 wallBottom = section.top() - WallThickness;
    const int count = blockCount(section.index);
    const qint32 below = section.blocks[0].bottom;
    if (count == 0)
        power.y = (section.bottom + wallBottom) / 2;
    else
        power.y = (section.bottom + below) / 2;
    power.x = drawLength(random, -FieldHalfWidth + PowerUpEdgeMargin,
                         FieldHalfWidth - PowerUpEdgeMargin);
    power.present = true;
}

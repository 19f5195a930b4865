#include "game/towergenerator.h"

#include <algorithm>

namespace {

const qint32 U = TowerGenerator::Unit;

// Speeds are per simulation step (1/120 s).
qint32 scaled(int index, int start, qint32 first, qint32 perSection, qint32 last)
{
    return std::min(last, first + qint32(std::max(0, index - start)) * perSection);
}

} // namespace

TowerGenerator::TowerGenerator(quint64 seed)
    : random(seed)
    , nextIndex(0)
    , nextBottom(0)
    , previousGapCentre(0)
{ }

qint32 TowerGenerator::sectionHeight(int index)
{
    return (620 - 4 * std::min(index, 35)) * U;
}

qint32 TowerGenerator::gapWidth(int index)
{
    return std::max(180, 400 - 6 * index) * U;
}

int TowerGenerator::blockCount(int index)
{
    return index < 2 ? 0 : (index < 8 ? 1 : 2);
}

TowerSection TowerGenerator::next()
{
    TowerSection section;
    section.index = nextIndex++;
    section.bottom = nextBottom;
    section.height = sectionHeight(section.index);
    nextBottom += section.height;
    placeWall(section);
    placeBlocks(section);
    placePowerUp(section);
    return section;
}

void TowerGenerator::placeWall(TowerSection &section)
{
    const int k = section.index;
    const qint32 gap = gapWidth(k);
    // A sliding wall needs its pieces to reach past the field's edges at
    // either end of its travel.
    const bool slides = k >= 14 && random.chance(std::min(700, 250 + 25 * (k - 14)));
    const qint32 travel = slides ? random.between(60, 140) * U : 0;

    // The first gaps stay near the previous one, so a beginner climbs almost
    // straight up; later gaps may be anywhere.
    const qint32 edge = FieldHalfWidth - gap / 2 - 24 * U - travel;
    const qint32 shift = std::min(420, 140 + 8 * k) * U;
    const qint32 low = std::max(-edge, previousGapCentre - shift);
    const qint32 high = std::min(edge, previousGapCentre + shift);
    const qint32 centre = random.between(low / U, high / U) * U;
    previousGapCentre = centre;

    const qint32 wallBottom = section.top() - WallThickness;
    const qint32 outer = FieldHalfWidth + travel + 40 * U;
    TowerSection::Obstacle &left = section.walls[0];
    left.left = -outer;
    left.width = centre - gap / 2 + outer;
    TowerSection::Obstacle &right = section.walls[1];
    right.left = centre + gap / 2;
    right.width = outer - right.left;
    const qint32 speed = slides ? scaled(k, 14, 90, 6, 280) : 0;
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
        block.bottom = random.between(lowest / U, std::max(lowest, highest) / U) * U;
        block.height = BlockHeight;
        block.width = (90 + 2 * std::min(k, 30) + random.between(0, 30)) * U;
        const qint32 fieldLow = -FieldHalfWidth + BlockMargin;
        const qint32 fieldHigh = FieldHalfWidth - BlockMargin;
        const qint32 low = count == 2 && i == 1 ? BlockMargin / 2 : fieldLow;
        const qint32 high = count == 2 && i == 0 ? -BlockMargin / 2 : fieldHigh;
        block.minLeft = low;
        block.maxLeft = std::max(low, high - block.width);
        block.left = random.between(block.minLeft / U, block.maxLeft / U) * U;
        if (k >= 4 && random.chance(std::min(800, 200 + 40 * (k - 4)))) {
            const qint32 speed = scaled(k, 4, 100, 8, 460);
            block.velocity = random.chance(500) ? speed : -speed;
        }
        block.present = true;
    }
}

void TowerGenerator::placePowerUp(TowerSection &section)
{
    if (section.index < 2 || !random.chance(300))
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
    power.x = random.between((-FieldHalfWidth + 60 * U) / U, (FieldHalfWidth - 60 * U) / U) * U;
    power.present = true;
}

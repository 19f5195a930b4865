#ifndef TUNING_H
#define TUNING_H

#include <QtGlobal>

#include <algorithm>

// Every number that decides how the game plays, in one table: what the
// simulation and the tower generator read. Change one and the golden hashes
// of tests/tst_simulation.cpp change with it, since every tower and every
// run of a seed is then another one.
//
// Lengths are fixed-point: Unit per world unit, the unit the screen scales
// to its width (the field is 720 wide). Speeds are per step, accelerations
// per step per step; a step is 1/StepsPerSecond of a second. Chances are in
// parts per thousand. Integer division in the rules truncates toward zero,
// so the divisors below are divisors, not fractions to be rounded.
namespace Tuning {

// The scales the table is written in. They change no rule by themselves.
constexpr qint32 Unit = 256;
constexpr qint32 StepsPerSecond = 120;

// A number that follows the section's index: `first` up to section `from`,
// then `step` more (or less) per section, never beyond `limit`.
struct Ramp
{
    int from;
    qint32 first;
    qint32 step;
    qint32 limit;

    constexpr qint32 at(int index) const
    {
        const qint64 value = first + qint64(std::max(0, index - from)) * step;
        return qint32(step < 0 ? std::max<qint64>(limit, value) : std::min<qint64>(limit, value));
    }
};

// ---- The field and the view

// Half the field's width; the character bounces off its edges.
constexpr qint32 FieldHalfWidth = 360 * Unit;
// The part of the tower a 9:16 screen shows; taller screens show more above,
// never more below.
constexpr qint32 ViewHeight = 1280 * Unit;
// The camera only rises, keeping the character this far above the screen's
// bottom. Falling below the bottom edge ends the run.
constexpr qint32 CameraLead = 486 * Unit;
// Where the screen's bottom edge starts: this far below the launch pad.
constexpr qint32 StartCameraY = -240 * Unit;
// A section is replaced by the next one up once its top is this far below
// the screen. More than CharacterRadius, so nothing the character still
// touches goes away.
constexpr qint32 SectionRecycleMargin = 64 * Unit;

// ---- The character

// Its size: the circle that collides.
constexpr qint32 CharacterRadius = 34 * Unit;
// Pull downward while in the air (units per step per step).
constexpr qint32 Gravity = 40;
// Upward speed of every jump, from the ground or in the air: the jump's
// height is JumpSpeed² / (2 Gravity), about 180 world units.
constexpr qint32 JumpSpeed = 1920;
// Sideways speed a jump gives, toward the tapped side.
constexpr qint32 SideSpeed = 640;
// Fastest fall; keeps a long drop readable.
constexpr qint32 MaxFallSpeed = 2304;
// In the air the character loses 1/AirDragDivisor of its sideways speed per
// step (about 1.5 %), and settles at rest.
constexpr qint32 AirDragDivisor = 64;
// At a field edge it turns back with 1/EdgeBounceDivisor of its speed.
constexpr qint32 EdgeBounceDivisor = 2;
// How far its centre may be beyond the edge of what it stands on and still
// stand; further out it lands on a corner and slides off.
constexpr qint32 LedgeReach = CharacterRadius / 2;
// The least sideways speed, relative to the corner, with which it slides off
// a corner it cannot stand on.
constexpr qint32 SlideOffSpeed = Unit / 2;

// ---- Collisions

// Hitting an underside faster than this, or a side faster than HardSideSpeed
// (across, relative to the obstacle), is a hard hit: fatal, or absorbed by a
// shield. Anything gentler bounces. A jump reaches a ceiling gently once it
// has risen about 115 world units, which HeadRoom below leaves room for.
constexpr qint32 HardVerticalSpeed = 1152;
constexpr qint32 HardSideSpeed = 704;
// A gentle hit on an underside or a side bounces back with
// 1/ObstacleBounceDivisor of the speed it hit with.
constexpr qint32 ObstacleBounceDivisor = 2;

// ---- Power-ups and points

// Touched when the character's circle reaches the power-up's.
constexpr qint32 PowerUpRadius = 28 * Unit;
// Dash: straight up at DashSpeed for DashSteps steps (longer if it would end
// inside something), touching nothing, then on upward at DashExitSpeed.
constexpr qint32 DashSpeed = 2560;
constexpr qint32 DashSteps = 54;
constexpr qint32 DashExitSpeed = JumpSpeed / 2;
// Clear: removes every block from the screen's bottom up to this far, which
// covers the tallest screen.
constexpr qint32 ClearReach = 2 * ViewHeight;
// The score: sections climbed, and power-ups taken.
constexpr int PointsPerSection = 10;
constexpr int PointsPerPowerUp = 5;

// ---- The tower, by section index (0 is the one with the launch pad)

// Each section ends in a wall across the field with a gap to climb through.
constexpr qint32 WallThickness = 32 * Unit;
// A section's height, wall included: shorter as the tower rises.
constexpr Ramp SectionHeight = {0, 620 * Unit, -4 * Unit, 480 * Unit};
// The gap's width: narrower as the tower rises.
constexpr Ramp GapWidth = {0, 400 * Unit, -6 * Unit, 180 * Unit};
// How far a gap's centre may be from the one below: the first gaps sit
// almost above each other, later ones anywhere.
constexpr Ramp GapShift = {0, 140 * Unit, 8 * Unit, 420 * Unit};
// The least wall between a gap and the field's edge, at either end of a
// sliding wall's travel.
constexpr qint32 GapEdgeMargin = 24 * Unit;
// A wall reaches this far past the field's edges, so a sliding one never
// shows its end.
constexpr qint32 WallOverhang = 40 * Unit;

// Walls slide from this section on: sliding more often, further and faster
// higher up. A sliding wall travels a random distance either way (between
// the two values, in whole world units).
constexpr int SlidingWallsFrom = 14;
constexpr Ramp WallSlideChance = {SlidingWallsFrom, 250, 25, 700};
constexpr Ramp WallSlideSpeed = {SlidingWallsFrom, 90, 6, 280};
constexpr qint32 WallTravelLeast = 60 * Unit;
constexpr qint32 WallTravelMost = 140 * Unit;

// Blocks below the wall: none in the first sections, then one, then two.
constexpr int OneBlockFrom = 2;
constexpr int TwoBlocksFrom = 8;
constexpr qint32 BlockHeight = 30 * Unit;
// A block's width grows with the section, plus a random part of up to
// BlockWidthSpread (in whole world units).
constexpr Ramp BlockWidth = {0, 90 * Unit, 2 * Unit, 150 * Unit};
constexpr qint32 BlockWidthSpread = 30 * Unit;
// Room the character needs beside a block at the field's edge.
constexpr qint32 BlockMargin = 90 * Unit;
// Room above anything the character may stand on (the floor, a block): its
// own height plus the rise after which a jump has slowed to a gentle touch,
// so no landing place is a trap.
constexpr qint32 HeadRoom = 188 * Unit;
// Blocks slide from this section on, more of them and faster higher up.
constexpr int MovingBlocksFrom = 4;
constexpr Ramp BlockMoveChance = {MovingBlocksFrom, 200, 40, 800};
constexpr Ramp BlockSpeed = {MovingBlocksFrom, 100, 8, 460};

// Power-ups, one kind of three at random, from this section on.
constexpr int PowerUpsFrom = 2;
constexpr int PowerUpChance = 300;
// The least distance of a power-up's centre from the field's edges.
constexpr qint32 PowerUpEdgeMargin = 60 * Unit;

} // namespace Tuning

#endif // TUNING_H

#ifndef TOWERSECTION_H
#define TOWERSECTION_H

#include <QtGlobal>

// One band of the tower: a wall across the field with a gap at its top, up
// to two blocks below the wall and at most one power-up. Lengths are in
// fixed-point world units (GameSimulation::Unit per unit), y upward.
struct TowerSection
{
    enum { MaxBlocks = 2 };
    enum PowerUpKind { NoPowerUp = 0, Dash = 1, Clear = 2, Shield = 3 };

    struct Obstacle
    {
        qint32 left = 0;
        qint32 bottom = 0;
        qint32 width = 0;
        qint32 height = 0;
        // Horizontal speed per step; the obstacle turns at the ends of its
        // range of left edges.
        qint32 velocity = 0;
        qint32 minLeft = 0;
        qint32 maxLeft = 0;
        bool present = false;

        qint32 right() const { return left + width; }
        qint32 top() const { return bottom + height; }
    };

    struct PowerUp
    {
        int kind = NoPowerUp;
        qint32 x = 0;
        qint32 y = 0;
        bool present = false;
    };

    int index = -1;
    qint32 bottom = 0;
    qint32 height = 0;
    // The wall's two pieces, left of the gap and right of it.
    Obstacle walls[2];
    Obstacle blocks[MaxBlocks];
    PowerUp powerUp;
    // Jumps made while the character was in this section.
    int jumps = 0;

    qint32 top() const { return bottom + height; }
    qint32 gapLeft() const { return walls[0].right(); }
    qint32 gapRight() const { return walls[1].left; }
};

#endif // TOWERSECTION_H

#include "game/gamesimulation.h"

#include <algorithm>
#include <cstdlib>

using namespace Tuning;

namespace {

const int PiecesPerSection = 2 + TowerSection::MaxBlocks;

qint32 clampTo(qint32 value, qint32 low, qint32 high)
{
    return std::max(low, std::min(high, value));
}

quint64 hashIn(quint64 hash, qint64 value)
{
    // FNV-1a over the value's eight bytes, lowest first: the same on either
    // byte order.
    for (int i = 0; i < 8; ++i) {
        hash ^= (quint64(value) >> (8 * i)) & 0xff;
        hash *= Q_UINT64_C(0x100000001b3);
    }
    return hash;
}

// Integer square root, bit by bit: no floating point in the world's rules.
qint64 squareRoot(qint64 value)
{
    quint64 rest = quint64(value);
    quint64 root = 0;
    quint64 bit = quint64(1) << 62;
    while (bit > rest)
        bit >>= 2;
    while (bit != 0) {
        if (rest >= root + bit) {
            rest -= root + bit;
            root = (root >> 1) + bit;
        } else {
            root >>= 1;
        }
        bit >>= 2;
    }
    return qint64(root);
}

} // namespace

GameSimulation::GameSimulation(quint64 seed)
    : m_seed(seed)
    , m_generator(seed)
    , m_lowestSection(0)
    , m_queueLength(0)
    , m_steps(0)
    , m_x(0)
    , m_y(CharacterRadius)
    , m_vx(0)
    , m_vy(0)
    , m_cameraY(StartCameraY)
    , m_supportId(-1)
    , m_touchingCount(0)
    , m_touchingNowCount(0)
    , m_started(false)
    , m_shield(false)
    , m_dashSteps(0)
    , m_endReason(NotEnded)
    , m_deathX(0)
    , m_deathY(0)
    , m_sectionsPassed(0)
    , m_jumps(0)
    , m_maxSectionJumps(0)
    , m_wallCollisions(0)
    , m_blockCollisions(0)
    , m_powerUps(0)
    , m_clearedBlocks(0)
    , m_lastPowerUp(TowerSection::NoPowerUp)
    , m_collisionSerial(0)
    , m_lastKind(WallObstacle)
    , m_lastSeverity(Glancing)
{
    for (int i = 0; i < LiveSections; ++i)
        m_sections[i] = m_generator.next();
}

QString GameSimulation::endReasonText(EndReason reason)
{
    switch (reason) {
    case WallHit:
        return QStringLiteral("wall");
    case BlockHit:
        return QStringLiteral("block");
    case Fall:
        return QStringLiteral("fall");
    case Abandoned:
        return QStringLiteral("abandoned");
    case NotEnded:
        break;
    }
    return QString();
}

int GameSimulation::score() const
{
    return m_sectionsPassed * PointsPerSection + m_powerUps * PointsPerPowerUp;
}

void GameSimulation::queueJump(int side)
{
    if (ended() || side == 0 || m_queueLength == int(sizeof m_queue / sizeof m_queue[0]))
        return;
    m_queue[m_queueLength++] = side < 0 ? -1 : 1;
}

void GameSimulation::abandon()
{
    if (!ended())
        end(Abandoned);
}

const TowerSection *GameSimulation::sectionAt(qint32 y) const
{
    for (const TowerSection &section : m_sections) {
        if (y >= section.bottom && y < section.top())
            return &section;
    }
    // Below the lowest live section counts as that one.
    const TowerSection &lowest = m_sections[m_lowestSection % LiveSections];
    return y < lowest.bottom ? &lowest : nullptr;
}

int GameSimulation::sectionIndexAt(qint32 y) const
{
    const TowerSection *section = sectionAt(y);
    return section ? section->index : -1;
}

void GameSimulation::step()
{
    if (ended())
        return;
    ++m_steps;
    m_touchingNowCount = 0;
    if (m_queueLength > 0) {
        const int side = m_queue[0];
        std::copy(m_queue + 1, m_queue + m_queueLength, m_queue);
        --m_queueLength;
        applyJump(side);
    }
    if (!m_started)
        return;
    moveObstacles();
    moveCharacter();
    if (m_dashSteps == 0)
        collide();
    if (ended())
        return;
    std::copy(m_touchingNow, m_touchingNow + m_touchingNowCount, m_touching);
    m_touchingCount = m_touchingNowCount;
    collectPowerUps();
    const int here = sectionIndexAt(m_y);
    if (here > m_sectionsPassed)
        m_sectionsPassed = here;
    advanceCamera();
    if (m_y + CharacterRadius < m_cameraY)
        end(Fall);
}

void GameSimulation::applyJump(int side)
{
    // A dash carries the character on its own; taps during it are lost.
    if (m_dashSteps > 0)
        return;
    m_started = true;
    m_supportId = -1;
    m_vy = JumpSpeed;
    m_vx = side * SideSpeed;
    ++m_jumps;
    const TowerSection *section = sectionAt(m_y);
    if (section) {
        TowerSection &here = m_sections[section->index % LiveSections];
        ++here.jumps;
        m_maxSectionJumps = std::max(m_maxSectionJumps, here.jumps);
    }
}

void GameSimulation::moveObstacles()
{
    for (TowerSection &section : m_sections) {
        for (int piece = 0; piece < PiecesPerSection; ++piece) {
            TowerSection::Obstacle &obstacle
                    = piece < 2 ? section.walls[piece] : section.blocks[piece - 2];
            if (!obstacle.present || obstacle.velocity == 0)
                continue;
            const qint32 before = obstacle.left;
            obstacle.left += obstacle.velocity;
            if (obstacle.left <= obstacle.minLeft || obstacle.left >= obstacle.maxLeft) {
                obstacle.left = clampTo(obstacle.left, obstacle.minLeft, obstacle.maxLeft);
                obstacle.velocity = -obstacle.velocity;
            }
            // What stands on it rides along.
            if (m_supportId == section.index * PiecesPerSection + piece)
                m_x += obstacle.left - before;
        }
    }
}

void GameSimulation::moveCharacter()
{
    if (m_dashSteps > 0) {
        m_y += DashSpeed;
        m_vx = 0;
        m_vy = DashSpeed;
        // A dash never ends inside something: it carries on until clear.
        if (--m_dashSteps == 0 && overlapsAnything())
            m_dashSteps = 1;
        if (m_dashSteps == 0)
            m_vy = DashExitSpeed;
    } else if (m_supportId >= 0) {
        const TowerSection::Obstacle *support = obstacleById(m_supportId);
        if (support && support->present) {
            m_y = support->top() + CharacterRadius;
            m_vy = 0;
            m_vx = support->velocity;
            const qint32 nearest = clampTo(m_x, support->left, support->right());
            if (std::abs(m_x - nearest) > LedgeReach)
                m_supportId = -1;
        } else {
            m_supportId = -1;
        }
        if (m_supportId >= 0)
            m_touchingNow[m_touchingNowCount++] = m_supportId;
    } else {
        m_vy = std::max(m_vy - Gravity, -MaxFallSpeed);
        // Truncated toward zero, so the drag settles at rest.
        m_vx -= m_vx / AirDragDivisor;
        m_x += m_vx;
        m_y += m_vy;
    }
    const qint32 limit = FieldHalfWidth - CharacterRadius;
    if (m_x < -limit || m_x > limit) {
        m_x = clampTo(m_x, -limit, limit);
        m_vx = -m_vx / EdgeBounceDivisor;
    }
}

TowerSection::Obstacle *GameSimulation::obstacleById(int id)
{
    TowerSection &section = m_sections[(id / PiecesPerSection) % LiveSections];
    if (section.index != id / PiecesPerSection)
        return nullptr;
    const int piece = id % PiecesPerSection;
    return piece < 2 ? &section.walls[piece] : &section.blocks[piece - 2];
}

bool GameSimulation::overlapsAnything() const
{
    const qint64 reach = qint64(CharacterRadius) * CharacterRadius;
    for (const TowerSection &section : m_sections) {
        for (int piece = 0; piece < PiecesPerSection; ++piece) {
            const TowerSection::Obstacle &o
                    = piece < 2 ? section.walls[piece] : section.blocks[piece - 2];
            if (!o.present)
                continue;
            const qint64 dx = m_x - clampTo(m_x, o.left, o.right());
            const qint64 dy = m_y - clampTo(m_y, o.bottom, o.top());
            if (dx * dx + dy * dy < reach)
                return true;
        }
    }
    return false;
}

void GameSimulation::collide()
{
    for (TowerSection &section : m_sections) {
        // Only the sections the character reaches into can touch it.
        if (m_y + CharacterRadius < section.bottom || m_y - CharacterRadius > section.top())
            continue;
        for (int piece = 0; piece < PiecesPerSection && !ended(); ++piece) {
            const int id = section.index * PiecesPerSection + piece;
            if (id == m_supportId)
                continue;
            TowerSection::Obstacle &o
                    = piece < 2 ? section.walls[piece] : section.blocks[piece - 2];
            if (o.present)
                resolve(o, piece < 2 ? WallObstacle : BlockObstacle, id);
        }
    }
}

bool GameSimulation::resolve(TowerSection::Obstacle &o, ObstacleKind kind, int id)
{
    const qint32 nearestX = clampTo(m_x, o.left, o.right());
    const qint32 nearestY = clampTo(m_y, o.bottom, o.top());
    const qint64 dx = m_x - nearestX;
    const qint64 dy = m_y - nearestY;
    if (dx * dx + dy * dy >= qint64(CharacterRadius) * CharacterRadius)
        return false;

    // Which face was touched decides how hard the touch was: the top is a
    // landing, an underside is hit at the vertical speed, a side at the
    // speed across relative to the obstacle.
    enum Face { Top, Underside, Side } face;
    if (std::abs(dy) >= std::abs(dx))
        face = dy > 0 || (dy == 0 && m_vy <= 0) ? Top : Underside;
    else
        face = Side;
    const qint32 across = m_vx - o.velocity;
    bool hard = false;
    if (face == Underside)
        hard = m_vy > HardVerticalSpeed;
    else if (face == Side)
        hard = (dx < 0 ? across : -across) > HardSideSpeed;

    const bool counted = std::find(m_touching, m_touching + m_touchingCount, id)
            == m_touching + m_touchingCount;
    if (m_touchingNowCount < int(sizeof m_touchingNow / sizeof m_touchingNow[0]))
        m_touchingNow[m_touchingNowCount++] = id;
    Severity severity = Glancing;
    if (hard) {
        severity = m_shield ? Absorbed : Fatal;
        m_shield = false;
    }
    if (counted || severity != Glancing) {
        if (kind == WallObstacle)
            ++m_wallCollisions;
        else
            ++m_blockCollisions;
        ++m_collisionSerial;
        m_lastKind = kind;
        m_lastSeverity = severity;
    }
    if (severity == Fatal) {
        end(kind == WallObstacle ? WallHit : BlockHit);
        return true;
    }

    // A corner pushes the character straight out along the line to it; a
    // landing needs the character's centre over the top, or it slides off.
    const bool corner = dx != 0 && dy != 0;
    if (corner) {
        const qint64 distance = std::max<qint64>(1, squareRoot(dx * dx + dy * dy));
        m_x = nearestX + qint32(dx * (CharacterRadius + 1) / distance);
        m_y = nearestY + qint32(dy * (CharacterRadius + 1) / distance);
    }
    switch (face) {
    case Top:
        if (!corner)
            m_y = o.top() + CharacterRadius;
        if (m_vy <= 0) {
            m_vy = 0;
            if (std::abs(dx) <= LedgeReach) {
                m_y = o.top() + CharacterRadius;
                m_vx = o.velocity;
                m_supportId = id;
            } else if (std::abs(m_vx - o.velocity) < SlideOffSpeed) {
                m_vx = o.velocity + (dx < 0 ? -SlideOffSpeed : SlideOffSpeed);
            }
        }
        break;
    case Underside:
        if (!corner)
            m_y = o.bottom - CharacterRadius;
        if (m_vy > 0)
            m_vy = -m_vy / ObstacleBounceDivisor;
        break;
    case Side:
        if (!corner)
            m_x = dx < 0 ? o.left - CharacterRadius : o.right() + CharacterRadius;
        m_vx = o.velocity - across / ObstacleBounceDivisor;
        break;
    }
    return true;
}

void GameSimulation::collectPowerUps()
{
    const qint64 reach = qint64(CharacterRadius + PowerUpRadius);
    for (TowerSection &section : m_sections) {
        TowerSection::PowerUp &power = section.powerUp;
        if (!power.present)
            continue;
        const qint64 dx = m_x - power.x;
        const qint64 dy = m_y - power.y;
        if (dx * dx + dy * dy >= reach * reach)
            continue;
        power.present = false;
        ++m_powerUps;
        m_lastPowerUp = power.kind;
        applyPowerUp(power.kind);
    }
}

void GameSimulation::applyPowerUp(int kind)
{
    if (ended())
        return;
    switch (kind) {
    case TowerSection::Dash:
        m_started = true;
        m_dashSteps = DashSteps;
        m_supportId = -1;
        break;
    case TowerSection::Clear:
        clearBlocks();
        break;
    case TowerSection::Shield:
        m_shield = true;
        break;
    }
}

void GameSimulation::clearBlocks()
{
    // Every block that shows on a screen of any shape.
    const qint32 low = m_cameraY;
    const qint32 high = m_cameraY + ClearReach;
    for (TowerSection &section : m_sections) {
        for (int i = 0; i < TowerSection::MaxBlocks; ++i) {
            TowerSection::Obstacle &block = section.blocks[i];
            if (block.present && block.top() > low && block.bottom < high) {
                block.present = false;
                ++m_clearedBlocks;
                if (m_supportId == section.index * PiecesPerSection + 2 + i)
                    m_supportId = -1;
            }
        }
    }
}

void GameSimulation::advanceCamera()
{
    m_cameraY = std::max(m_cameraY, m_y - CameraLead);
    // A section whose wall has left the screen is replaced by the next one
    // up; the ring keeps LiveSections of them.
    for (;;) {
        TowerSection &lowest = m_sections[m_lowestSection % LiveSections];
        if (lowest.top() >= m_cameraY - SectionRecycleMargin)
            break;
        lowest = m_generator.next();
        ++m_lowestSection;
    }
}

void GameSimulation::end(EndReason reason)
{
    m_endReason = reason;
    m_deathX = m_x;
    m_deathY = m_y;
    m_dashSteps = 0;
    m_supportId = -1;
}

quint64 GameSimulation::stateHash() const
{
    quint64 hash = Q_UINT64_C(0xcbf29ce484222325);
    const qint64 values[] = {m_steps,
                             m_x,
                             m_y,
                             m_vx,
                             m_vy,
                             m_cameraY,
                             m_supportId,
                             m_started,
                             m_shield,
                             m_dashSteps,
                             m_endReason,
                             m_sectionsPassed,
                             m_jumps,
                             m_maxSectionJumps,
                             m_wallCollisions,
                             m_blockCollisions,
                             m_powerUps,
                             m_lowestSection};
    for (qint64 value : values)
        hash = hashIn(hash, value);
    for (const TowerSection &section : m_sections) {
        hash = hashIn(hash, section.index);
        hash = hashIn(hash, section.bottom);
        hash = hashIn(hash, section.jumps);
        for (int piece = 0; piece < PiecesPerSection; ++piece) {
            const TowerSection::Obstacle &o
                    = piece < 2 ? section.walls[piece] : section.blocks[piece - 2];
            hash = hashIn(hash, o.present ? o.left : -1);
            hash = hashIn(hash, o.bottom);
            hash = hashIn(hash, o.width);
            hash = hashIn(hash, o.velocity);
        }
        hash = hashIn(hash, section.powerUp.present ? section.powerUp.kind : 0);
        hash = hashIn(hash, section.powerUp.x);
        hash = hashIn(hash, section.powerUp.y);
    }
    return hash;
}

RunSummary GameSimulation::summary(const QString &id, const QString &modeId,
                                   const QString &startedAt, const QString &endedAt) const
{
    const bool died = m_endReason == WallHit || m_endReason == BlockHit || m_endReason == Fall;
    RunSummary run;
    run.id = id;
    run.modeId = modeId;
    run.score = score();
    run.endReason = endReasonText(m_endReason);
    run.startedAt = startedAt;
    run.endedAt = endedAt;
    // Only a death has a place; an abandoned run leaves none.
    if (died) {
        run.deathWorldY = double(m_deathY) / Unit;
        run.deathWorldX = double(m_deathX) / Unit;
    }
    run.jumpCount = m_jumps;
    run.maxSectionJumpCount = m_maxSectionJumps;
    run.wallCollisionCount = m_wallCollisions;
    run.blockCollisionCount = m_blockCollisions;
    return run;
}

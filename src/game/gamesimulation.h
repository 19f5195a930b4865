#ifndef GAMESIMULATION_H
#define GAMESIMULATION_H

#include "game/runsummary.h"
#include "game/towergenerator.h"
#include "game/towersection.h"
#include "game/tuning.h"

#include <QString>

// The rules of a run, stepped at a fixed rate. Everything in the world is
// fixed-point integer arithmetic, so the same seed and the same jumps at
// the same steps give the same run, bit for bit, on any machine. Knows
// nothing of time, drawing or storage: a clock feeds it steps, and at the
// end it describes the run as the RunSummary that settlement reads.
class GameSimulation
{
public:
    // The scales of the world's numbers (the play numbers are in
    // game/tuning.h), and the ring of live sections.
    enum : qint32 {
        Unit = Tuning::Unit,
        StepsPerSecond = Tuning::StepsPerSecond,
        LiveSections = 8
    };

    enum EndReason { NotEnded, WallHit, BlockHit, Fall, Abandoned };
    enum ObstacleKind { WallObstacle, BlockObstacle };
    enum Severity { Glancing, Absorbed, Fatal };

    explicit GameSimulation(quint64 seed = 0);

    // side < 0 jumps up and to the left, side > 0 up and to the right. Taken
    // at the next step, at most one per step, in the order queued.
    void queueJump(int side);
    // The side the next step will jump to, 0 when none is waiting.
    int queuedJump() const { return m_queueLength > 0 ? m_queue[0] : 0; }
    void step();
    void abandon();
    // What touching a power-up of that kind does (TowerSection::PowerUpKind).
    void applyPowerUp(int kind);

    bool ended() const { return m_endReason != NotEnded; }
    bool started() const { return m_started; }
    EndReason endReason() const { return m_endReason; }
    static QString endReasonText(EndReason reason);

    quint64 seed() const { return m_seed; }
    qint64 stepCount() const { return m_steps; }
    qint32 x() const { return m_x; }
    qint32 y() const { return m_y; }
    qint32 velocityX() const { return m_vx; }
    qint32 velocityY() const { return m_vy; }
    qint32 cameraY() const { return m_cameraY; }
    bool standing() const { return m_supportId >= 0; }
    bool shield() const { return m_shield; }
    bool dashing() const { return m_dashSteps > 0; }
    int score() const;
    int sectionsPassed() const { return m_sectionsPassed; }
    int jumpCount() const { return m_jumps; }
    int maxSectionJumpCount() const { return m_maxSectionJumps; }
    int wallCollisionCount() const { return m_wallCollisions; }
    int blockCollisionCount() const { return m_blockCollisions; }
    int powerUpCount() const { return m_powerUps; }
    int clearedBlockCount() const { return m_clearedBlocks; }
    int lastPowerUpKind() const { return m_lastPowerUp; }
    qint32 deathX() const { return m_deathX; }
    qint32 deathY() const { return m_deathY; }
    // The launch pad the character stands on until the first jump.
    bool padPresent() const { return !m_started; }

    // The most recent collision, for the screen's flash and shake.
    int collisionSerial() const { return m_collisionSerial; }
    ObstacleKind lastCollisionKind() const { return m_lastKind; }
    Severity lastCollisionSeverity() const { return m_lastSeverity; }

    // Live sections sit in a ring: slot i holds section index i modulo
    // LiveSections.
    const TowerSection &section(int slot) const { return m_sections[slot]; }
    const TowerSection *sectionAt(qint32 y) const;
    int sectionIndexAt(qint32 y) const;

    // A digest of the whole world, to compare runs step by step.
    quint64 stateHash() const;

    // The run so far (finished, once ended()) as settlement reads it.
    RunSummary summary(const QString &id, const QString &modeId, const QString &startedAt,
                       const QString &endedAt) const;

private:
    void applyJump(int side);
    void moveObstacles();
    void moveCharacter();
    void collide();
    bool resolve(TowerSection::Obstacle &obstacle, ObstacleKind kind, int id);
    void collectPowerUps();
    void clearBlocks();
    bool overlapsAnything() const;
    void advanceCamera();
    void end(EndReason reason);
    TowerSection::Obstacle *obstacleById(int id);

    quint64 m_seed;
    TowerGenerator m_generator;
    TowerSection m_sections[LiveSections];
    int m_lowestSection;

    int m_queue[8];
    int m_queueLength;

    qint64 m_steps;
    qint32 m_x;
    qint32 m_y;
    qint32 m_vx;
    qint32 m_vy;
    qint32 m_cameraY;
    int m_supportId;
    // Obstacles touched in the previous step: a touch is counted once, when
    // it begins.
    int m_touching[8];
    int m_touchingCount;
    int m_touchingNow[8];
    int m_touchingNowCount;

    bool m_started;
    bool m_shield;
    int m_dashSteps;
    EndReason m_endReason;
    qint32 m_deathX;
    qint32 m_deathY;

    int m_sectionsPassed;
    int m_jumps;
    int m_maxSectionJumps;
    int m_wallCollisions;
    int m_blockCollisions;
    int m_powerUps;
    int m_clearedBlocks;
    int m_lastPowerUp;

    int m_collisionSerial;
    ObstacleKind m_lastKind;
    Severity m_lastSeverity;
};

#endif // GAMESIMULATION_H

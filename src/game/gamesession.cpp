#include "game/gamesession.h"

#include "game/framedriver.h"
#include "game/gameautopilot.h"
#include "game/tuning.h"
#include "game/worlditemmodel.h"

#include <QDateTime>
#include <QRegExp>
#include <QtQml>

#include <random>

namespace {

const qint64 StepNanoseconds = 1000000000LL / GameSimulation::StepsPerSecond;
// However long the program stalled, the world moves at most this many steps
// at once: a stall must not carry the character through a wall unseen.
const int MaxStepsPerFrame = 12;

double world(qint32 fixed)
{
    return double(fixed) / GameSimulation::Unit;
}

} // namespace

GameSession::GameSession(QObject *parent)
    : QObject(parent)
    , m_items(new WorldItemModel(this))
    , m_lastFrame(0)
    , m_pending(0)
    , m_period(0)
    , m_clockStarted(false)
    , m_previousX(0)
    , m_previousY(0)
    , m_previousCamera(0)
    , m_state(Idle)
    , m_watching(false)
    , m_speed(1)
    , m_hasGhost(false)
    , m_ghostPreviousX(0)
    , m_ghostPreviousY(0)
{
    m_items->refresh(m_simulation);
}

GameSession::~GameSession() = default;

void GameSession::registerQmlTypes()
{
    qmlRegisterType<GameSession>("org.hoplix.game", 1, 0, "GameSession");
    qmlRegisterType<FrameDriver>("org.hoplix.game", 1, 0, "FrameDriver");
}

quint64 GameSession::seedFor(const QString &modeId, const QDate &utcDate)
{
    if (modeId == QLatin1String("daily"))
        return RandomGenerator::mix(quint64(utcDate.toJulianDay()) ^ Q_UINT64_C(0x686f706c6978));
    static quint64 runs = 0;
    std::random_device device;
    return RandomGenerator::mix((quint64(device()) << 32) ^ device()
                                ^ quint64(QDateTime::currentMSecsSinceEpoch()) ^ ++runs);
}

QString GameSession::endReason() const
{
    return GameSimulation::endReasonText(m_simulation.endReason());
}

int GameSession::collisionCount() const
{
    return m_simulation.wallCollisionCount() + m_simulation.blockCollisionCount();
}

double GameSession::playerX() const
{
    return world(m_simulation.x());
}

double GameSession::playerY() const
{
    return world(m_simulation.y());
}

double GameSession::velocityX() const
{
    return world(m_simulation.velocityX()) * GameSimulation::StepsPerSecond;
}

double GameSession::cameraY() const
{
    return world(m_simulation.cameraY());
}

double GameSession::stepFraction() const
{
    return m_state == Running ? double(qMax<qint64>(0, m_pending)) / StepNanoseconds : 1.0;
}

double GameSession::drawnPlayerX() const
{
    const double f = stepFraction();
    return world(m_previousX) * (1 - f) + world(m_simulation.x()) * f;
}

double GameSession::drawnPlayerY() const
{
    const double f = stepFraction();
    return world(m_previousY) * (1 - f) + world(m_simulation.y()) * f;
}

double GameSession::drawnCameraY() const
{
    const double f = stepFraction();
    return world(m_previousCamera) * (1 - f) + world(m_simulation.cameraY()) * f;
}

double GameSession::fieldWidth() const
{
    return world(2 * Tuning::FieldHalfWidth);
}

double GameSession::viewHeight() const
{
    return world(Tuning::ViewHeight);
}

double GameSession::characterRadius() const
{
    return world(Tuning::CharacterRadius);
}

QObject *GameSession::items() const
{
    return m_items;
}

int GameSession::itemCount() const
{
    return m_items->rowCount();
}

double GameSession::drawnGhostX() const
{
    const double f = stepFraction();
    return world(m_ghostPreviousX) * (1 - f) + world(m_ghost.x()) * f;
}

double GameSession::drawnGhostY() const
{
    const double f = stepFraction();
    return world(m_ghostPreviousY) * (1 - f) + world(m_ghost.y()) * f;
}

void GameSession::setPlaybackSpeed(int speed)
{
    speed = speed >= 4 ? 4 : (speed >= 2 ? 2 : 1);
    if (speed == m_speed)
        return;
    m_speed = speed;
    emit playbackSpeedChanged();
}

QString GameSession::readCode(const QString &code, Replay &replay)
{
    const QString text = QString(code).remove(QRegExp(QStringLiteral("\\s")));
    if (!text.startsWith(QLatin1String("HX")))
        return QStringLiteral("notCode");
    if (!text.startsWith(QLatin1String("HX1.")))
        return QStringLiteral("otherVersion");
    Replay read;
    QString error;
    if (!Replay::fromCode(text, read, &error))
        return error.startsWith(QLatin1String("unknown replay format"))
                ? QStringLiteral("otherVersion")
                : QStringLiteral("damaged");
    if (!read.isCurrentRules())
        return QStringLiteral("otherRules");
    replay = read;
    return QString();
}

QString GameSession::problemOf(const QString &code) const
{
    Replay replay;
    return readCode(code, replay);
}

QString GameSession::seedOf(const QString &code) const
{
    Replay replay;
    return readCode(code, replay).isEmpty() ? QString::number(replay.seed) : QString();
}

QString GameSession::modeOf(const QString &code) const
{
    Replay replay;
    return readCode(code, replay).isEmpty() ? replay.modeId : QString();
}

QString GameSession::now()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

void GameSession::prepare(const QString &modeId, const QString &gameId, const QString &seed)
{
    m_modeId = modeId;
    m_gameId = gameId;
    bool given = false;
    const quint64 chosen = seed.toULongLong(&given);
    reset(given ? chosen : seedFor(modeId, QDateTime::currentDateTimeUtc().date()));
    m_watching = false;
    setPlaybackSpeed(1);
    if (m_hasGhost) {
        m_hasGhost = false;
        emit ghostChanged();
    }
    setState(Ready);
    emit stateChanged();
    emit changed();
    emit drawn();
}

void GameSession::reset(quint64 seed)
{
    m_simulation = GameSimulation(seed);
    m_snapshot.clear();
    m_lastCode.clear();
    m_taps.clear();
    m_previousX = m_simulation.x();
    m_previousY = m_simulation.y();
    m_previousCamera = m_simulation.cameraY();
    m_items->refresh(m_simulation);
}

QString GameSession::watch(const QString &code)
{
    Replay replay;
    const QString problem = readCode(code, replay);
    if (!problem.isEmpty())
        return problem;
    m_modeId = replay.modeId;
    m_gameId.clear();
    reset(replay.seed);
    m_watching = true;
    m_watched = ReplayCursor(replay);
    setPlaybackSpeed(1);
    if (m_hasGhost) {
        m_hasGhost = false;
        emit ghostChanged();
    }
    m_startedAt = now();
    startClock();
    setState(Running);
    emit stateChanged();
    emit changed();
    emit drawn();
    return QString();
}

void GameSession::skipToEnd()
{
    if (!m_watching || (m_state != Running && m_state != Paused))
        return;
    // Quietly: the steps skipped are not heard, only the end is shown.
    while (m_watched.pending(m_simulation)) {
        m_watched.queueNext(m_simulation);
        m_simulation.step();
    }
    m_watched.settle(m_simulation);
    m_previousX = m_simulation.x();
    m_previousY = m_simulation.y();
    m_previousCamera = m_simulation.cameraY();
    m_items->refresh(m_simulation);
    emit changed();
    finish();
}

QString GameSession::setGhost(const QString &code)
{
    if (m_state != Ready || m_watching)
        return QStringLiteral("notReady");
    Replay replay;
    const QString problem = readCode(code, replay);
    if (!problem.isEmpty())
        return problem;
    if (replay.seed != m_simulation.seed())
        reset(replay.seed);
    m_ghost = GameSimulation(replay.seed);
    m_ghostCursor = ReplayCursor(replay);
    m_ghostPreviousX = m_ghost.x();
    m_ghostPreviousY = m_ghost.y();
    m_hasGhost = true;
    emit ghostChanged();
    emit changed();
    emit drawn();
    return QString();
}

void GameSession::stepGhost()
{
    if (!m_hasGhost)
        return;
    m_ghostPreviousX = m_ghost.x();
    m_ghostPreviousY = m_ghost.y();
    m_ghostCursor.step(m_ghost);
}

Replay GameSession::recorded() const
{
    Replay replay;
    replay.modeId = m_modeId;
    replay.seed = m_simulation.seed();
    replay.taps = m_taps;
    replay.steps = m_simulation.stepCount();
    replay.abandoned = m_simulation.endReason() == GameSimulation::Abandoned;
    return replay;
}

void GameSession::jump(int side)
{
    if (m_watching)
        return;
    if (m_state == Ready) {
        m_startedAt = now();
        startClock();
        setState(Running);
    }
    if (m_state == Running)
        m_simulation.queueJump(side < 0 ? -1 : 1);
}

void GameSession::pause()
{
    if (m_state != Running)
        return;
    setState(Paused);
    emit drawn();
}

void GameSession::resume()
{
    if (m_state != Paused)
        return;
    startClock();
    setState(Running);
}

QVariantMap GameSession::abandon()
{
    if (m_state != Running && m_state != Paused)
        return QVariantMap();
    m_simulation.abandon();
    finish();
    return m_watching ? QVariantMap() : m_snapshot;
}

void GameSession::advance(int steps)
{
    if (m_state != Running)
        return;
    runSteps(steps);
    // Whoever moves the world by hand sees it where it is.
    emit drawn();
}

void GameSession::autoplay(int steps)
{
    if (m_state == Ready)
        jump(1);
    if (m_state != Running)
        return;
    if (m_watching) {
        advance(steps);
        return;
    }
    GameAutopilot pilot;
    runSteps(steps, &pilot);
    emit drawn();
}

void GameSession::startClock()
{
    // The first frame after a start or a resume only sets the origin: the
    // time spent waiting is not the world's.
    m_pending = 0;
    m_clockStarted = false;
}

void GameSession::frame(qint64 nanoseconds)
{
    if (m_state != Running)
        return;
    // A watched run may play faster than it happened: its steps owe that
    // much more time to each frame.
    const qint64 speed = m_watching ? m_speed : 1;
    if (m_clockStarted) {
        // The display refreshes at a steady rate while the times frames are
        // reported at wander by a millisecond or so: an interval close to
        // the rate learned counts as one refresh, so the drawn motion stays
        // even; anything else (a stall, a new rate) counts as it is.
        const qint64 interval = qMax<qint64>(0, nanoseconds - m_lastFrame);
        if (m_period > 0 && qAbs(interval - m_period) * 5 < m_period) {
            m_period += (interval - m_period) / 16;
            m_pending += m_period * speed;
        } else {
            m_period = interval;
            m_pending += interval * speed;
        }
    }
    m_clockStarted = true;
    m_lastFrame = nanoseconds;
    int steps = m_pending > 0 ? int(m_pending / StepNanoseconds) : 0;
    m_pending -= steps * StepNanoseconds;
    if (steps > MaxStepsPerFrame * speed) {
        steps = int(MaxStepsPerFrame * speed);
        m_pending = 0;
    }
    if (steps == 0 && m_simulation.queuedJump() != 0) {
        // A tap shows on the frame after it: its step is taken now and the
        // time it stands for is owed by the frames that follow.
        steps = 1;
        m_pending -= StepNanoseconds;
    }
    if (steps > 0)
        runSteps(steps);
    emit drawn();
}

void GameSession::runSteps(int steps, GameAutopilot *pilot)
{
    const int collisions = m_simulation.collisionSerial();
    const int powerUps = m_simulation.powerUpCount();
    for (int i = 0; i < steps && !m_simulation.ended(); ++i) {
        if (m_watching) {
            if (!m_watched.pending(m_simulation))
                break;
            m_watched.queueNext(m_simulation);
        }
        m_previousX = m_simulation.x();
        m_previousY = m_simulation.y();
        m_previousCamera = m_simulation.cameraY();
        const int jumps = m_simulation.jumpCount();
        const int sections = m_simulation.sectionsPassed();
        // The step takes the tap at the head of the queue, whatever becomes
        // of it (a dash swallows it): the replay keeps it on that step.
        const int side = m_simulation.queuedJump();
        if (side != 0 && !m_watching)
            m_taps.append({m_simulation.stepCount() + 1, qint8(side)});
        stepGhost();
        m_simulation.step();
        if (m_simulation.jumpCount() != jumps)
            emit jumped(side);
        if (m_simulation.sectionsPassed() != sections)
            emit sectionPassed(m_simulation.sectionsPassed());
        const int move = pilot ? pilot->decide(m_simulation) : 0;
        if (move != 0)
            m_simulation.queueJump(move);
    }
    if (m_simulation.collisionSerial() != collisions) {
        static const char *const severities[] = {"glancing", "absorbed", "fatal"};
        emit collided(m_simulation.lastCollisionKind() == GameSimulation::WallObstacle
                              ? QStringLiteral("wall")
                              : QStringLiteral("block"),
                      QLatin1String(severities[m_simulation.lastCollisionSeverity()]));
    }
    if (m_simulation.powerUpCount() != powerUps) {
        static const char *const kinds[] = {"", "dash", "clear", "shield"};
        emit powerUpTaken(QLatin1String(kinds[m_simulation.lastPowerUpKind()]));
    }
    if (m_watching)
        m_watched.settle(m_simulation);
    m_items->refresh(m_simulation);
    emit changed();
    if (m_simulation.ended())
        finish();
}

void GameSession::finish()
{
    if (m_watching) {
        // Somebody's run seen again is nobody's new run: nothing to settle.
        m_snapshot.clear();
        m_lastCode = m_watched.replay().toCode();
    } else {
        RunSummary run = m_simulation.summary(m_gameId, m_modeId, m_startedAt, now());
        const Replay replay = recorded();
        run.hasReplay = true;
        run.replay = replay.encode();
        m_snapshot = run.toSnapshot();
        m_lastCode = replay.toCode();
    }
    m_items->refresh(m_simulation);
    setState(Over);
    emit changed();
    if (!m_watching)
        emit runEnded(m_snapshot);
}

void GameSession::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

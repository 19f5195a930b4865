#ifndef GAMESESSION_H
#define GAMESESSION_H

#include "game/gamesimulation.h"
#include "game/replay.h"
#include "game/replaycursor.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QVariantMap>

class GameAutopilot;
class WorldItemModel;

// One run at a time for the QML game page: owns the simulation, turns the
// time between the display's frames into its fixed steps, takes the
// player's taps, and exposes what there is to draw. Nothing here keeps time
// of its own: a frame source (FrameDriver on the page, or a test's clock)
// calls frame() once per displayed frame, so the world stops with the frames. The page submits the
// snapshot that runEnded carries; the session itself stores nothing.
class GameSession : public QObject
{
    Q_OBJECT
    Q_PROPERTY(State state READ state NOTIFY stateChanged)
    Q_PROPERTY(QString modeId READ modeId NOTIFY stateChanged)
    // The tower's seed as prepare takes it.
    Q_PROPERTY(QString seed READ seed NOTIFY stateChanged)
    Q_PROPERTY(QString endReason READ endReason NOTIFY stateChanged)
    Q_PROPERTY(int score READ score NOTIFY changed)
    Q_PROPERTY(int sectionsPassed READ sectionsPassed NOTIFY changed)
    Q_PROPERTY(int jumpCount READ jumpCount NOTIFY changed)
    Q_PROPERTY(int collisionCount READ collisionCount NOTIFY changed)
    Q_PROPERTY(double playerX READ playerX NOTIFY changed)
    Q_PROPERTY(double playerY READ playerY NOTIFY changed)
    Q_PROPERTY(double velocityX READ velocityX NOTIFY changed)
    Q_PROPERTY(double cameraY READ cameraY NOTIFY changed)
    // Where to draw: between the last two states by the part of a step the
    // last frame left over. Never read back by the simulation.
    Q_PROPERTY(double stepFraction READ stepFraction NOTIFY drawn)
    Q_PROPERTY(double drawnPlayerX READ drawnPlayerX NOTIFY drawn)
    Q_PROPERTY(double drawnPlayerY READ drawnPlayerY NOTIFY drawn)
    Q_PROPERTY(double drawnCameraY READ drawnCameraY NOTIFY drawn)
    Q_PROPERTY(bool shieldActive READ shieldActive NOTIFY changed)
    Q_PROPERTY(bool dashActive READ dashActive NOTIFY changed)
    Q_PROPERTY(bool padVisible READ padVisible NOTIFY changed)
    Q_PROPERTY(double fieldWidth READ fieldWidth CONSTANT)
    Q_PROPERTY(double viewHeight READ viewHeight CONSTANT)
    Q_PROPERTY(double characterRadius READ characterRadius CONSTANT)
    Q_PROPERTY(QObject *items READ items CONSTANT)
    Q_PROPERTY(int itemCount READ itemCount CONSTANT)
    // A replay being watched: the run plays by its taps, the player's taps
    // are ignored, and nothing is handed on for settlement.
    Q_PROPERTY(bool watching READ watching NOTIFY stateChanged)
    // How many times as fast as it happened a watched run plays: 1, 2 or 4.
    Q_PROPERTY(
            int playbackSpeed READ playbackSpeed WRITE setPlaybackSpeed NOTIFY playbackSpeedChanged)
    // A ghost: an earlier run on the same tower, stepped with the player's.
    Q_PROPERTY(bool ghostActive READ ghostActive NOTIFY ghostChanged)
    Q_PROPERTY(bool ghostOver READ ghostOver NOTIFY changed)
    Q_PROPERTY(int ghostScore READ ghostScore NOTIFY changed)
    Q_PROPERTY(double drawnGhostX READ drawnGhostX NOTIFY drawn)
    Q_PROPERTY(double drawnGhostY READ drawnGhostY NOTIFY drawn)
    // The finished run's replay as a code to share (a watched run's own
    // code); empty before the end.
    Q_PROPERTY(QString lastCode READ lastCode NOTIFY stateChanged)

public:
    enum State { Idle, Ready, Running, Paused, Over };
    Q_ENUM(State)

    explicit GameSession(QObject *parent = nullptr);
    ~GameSession() override;

    // Makes the types known to QML under "org.hoplix.game" 1.0.
    static void registerQmlTypes();
    // "daily" gets the same seed all day (UTC) for everybody; any other
    // mode a fresh one each run.
    static quint64 seedFor(const QString &modeId, const QDate &utcDate);

    State state() const { return m_state; }
    QString modeId() const { return m_modeId; }
    QString seed() const { return QString::number(m_simulation.seed()); }
    QString endReason() const;
    int score() const { return m_simulation.score(); }
    int sectionsPassed() const { return m_simulation.sectionsPassed(); }
    int jumpCount() const { return m_simulation.jumpCount(); }
    int collisionCount() const;
    double playerX() const;
    double playerY() const;
    double velocityX() const;
    double cameraY() const;
    double stepFraction() const;
    double drawnPlayerX() const;
    double drawnPlayerY() const;
    double drawnCameraY() const;
    bool shieldActive() const { return m_simulation.shield(); }
    bool dashActive() const { return m_simulation.dashing(); }
    bool padVisible() const { return m_simulation.padPresent(); }
    double fieldWidth() const;
    double viewHeight() const;
    double characterRadius() const;
    QObject *items() const;
    int itemCount() const;
    bool watching() const { return m_watching; }
    int playbackSpeed() const { return m_speed; }
    void setPlaybackSpeed(int speed);
    bool ghostActive() const { return m_hasGhost; }
    bool ghostOver() const { return m_hasGhost && m_ghost.ended(); }
    int ghostScore() const { return m_hasGhost ? m_ghost.score() : 0; }
    double drawnGhostX() const;
    double drawnGhostY() const;
    QString lastCode() const { return m_lastCode; }
    // The world itself, for checks that compare it step by step.
    const GameSimulation &simulation() const { return m_simulation; }

    // What is wrong with a run code, as a key the front end words: "" for a
    // code of this game's rules, "notCode", "otherVersion", "damaged" or
    // "otherRules".
    static QString readCode(const QString &code, Replay &replay);

    // A new tower for the mode, waiting for the first tap. The id names the
    // run in its snapshot.
    Q_INVOKABLE void prepare(const QString &modeId, const QString &gameId,
                             const QString &seed = QString());
    // side < 0 left, otherwise right. The first one starts the run.
    Q_INVOKABLE void jump(int side);
    Q_INVOKABLE void pause();
    Q_INVOKABLE void resume();
    // Ends a running or paused run as abandoned and returns its snapshot;
    // an empty map when no run was going.
    Q_INVOKABLE QVariantMap abandon();
    // One displayed frame at the given monotonic time: runs the whole steps
    // the time since the previous frame holds (at most 12 after a stall)
    // and keeps the rest for the next frame.
    Q_INVOKABLE void frame(qint64 nanoseconds);
    // Steps the world at once, whatever the clock says: for tests.
    Q_INVOKABLE void advance(int steps);
    // Lets the autopilot play that many steps at once: a demonstration, and
    // a way for tests and screenshots to reach the middle of a run.
    Q_INVOKABLE void autoplay(int steps);
    Q_INVOKABLE QVariantMap lastSnapshot() const { return m_snapshot; }

    // Plays a run code in the view as it happened, on the frame clock, from
    // the start of its tower. Returns readCode's key; a refused code changes
    // nothing.
    Q_INVOKABLE QString watch(const QString &code);
    // Plays what is left of a watched run at once, to its end.
    Q_INVOKABLE void skipToEnd();
    // Before the first tap: the run of the code climbs beside the player's
    // as its ghost, on the code's tower (which replaces the prepared one).
    // Returns readCode's key, or "notReady" once the run has started; a
    // refused code changes nothing.
    Q_INVOKABLE QString setGhost(const QString &code);
    // readCode's key for a code, changing nothing.
    Q_INVOKABLE QString problemOf(const QString &code) const;
    // The code's tower, as prepare takes it, or "" for a code it refuses.
    Q_INVOKABLE QString seedOf(const QString &code) const;
    Q_INVOKABLE QString modeOf(const QString &code) const;

signals:
    void stateChanged();
    void changed();
    // kind "wall" or "block"; severity "glancing", "absorbed" or "fatal".
    void collided(const QString &kind, const QString &severity);
    void powerUpTaken(const QString &kind);
    void runEnded(const QVariantMap &snapshot);
    // Emitted from within the step that applies the jump or passes the
    // section, so a listener hears it on the frame that shows it.
    void jumped(int side);
    void sectionPassed(int sections);
    void drawn();
    void playbackSpeedChanged();
    void ghostChanged();

private:
    void startClock();
    void runSteps(int steps, GameAutopilot *pilot = nullptr);
    void stepGhost();
    void reset(quint64 seed);
    Replay recorded() const;
    void setState(State state);
    void finish();
    static QString now();

    GameSimulation m_simulation;
    WorldItemModel *m_items;
    qint64 m_lastFrame;
    qint64 m_pending;
    qint64 m_period;
    bool m_clockStarted;
    qint32 m_previousX;
    qint32 m_previousY;
    qint32 m_previousCamera;
    State m_state;
    QString m_modeId;
    QString m_gameId;
    QString m_startedAt;
    QVariantMap m_snapshot;
    QString m_lastCode;
    // Every tap the run took, with its step: the run's replay.
    QVector<Replay::Tap> m_taps;
    bool m_watching;
    ReplayCursor m_watched;
    int m_speed;
    bool m_hasGhost;
    GameSimulation m_ghost;
    ReplayCursor m_ghostCursor;
    qint32 m_ghostPreviousX;
    qint32 m_ghostPreviousY;
};

#endif // GAMESESSION_H

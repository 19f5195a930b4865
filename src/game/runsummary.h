#ifndef RUNSUMMARY_H
#define RUNSUMMARY_H

#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>

// One finished run as the game describes it: what settlement stores and the
// achievements are judged by. It travels as a run snapshot (the keys of
// game/runsnapshot.h); toSnapshot and fromSnapshot are the one way between
// the two, so a run written by the game and one sent by a script are read
// by the same rules.
class RunSummary
{
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString modeId MEMBER modeId)
    Q_PROPERTY(int score MEMBER score)
    Q_PROPERTY(QString endReason MEMBER endReason)
    Q_PROPERTY(QString startedAt MEMBER startedAt)
    Q_PROPERTY(QString endedAt MEMBER endedAt)
    Q_PROPERTY(QVariant deathWorldY MEMBER deathWorldY)
    Q_PROPERTY(QVariant deathWorldX MEMBER deathWorldX)
    Q_PROPERTY(int jumpCount MEMBER jumpCount)
    Q_PROPERTY(int maxSectionJumpCount MEMBER maxSectionJumpCount)
    Q_PROPERTY(int wallCollisionCount MEMBER wallCollisionCount)
    Q_PROPERTY(int blockCollisionCount MEMBER blockCollisionCount)
    Q_PROPERTY(bool hasReplay MEMBER hasReplay)
    Q_PROPERTY(QByteArray replay MEMBER replay)
public:
    QString id;
    QString modeId;
    int score = 0;
    // "wall", "block", "fall" or "abandoned".
    QString endReason;
    // As the front end gave them; the game stamps ISO 8601 UTC.
    QString startedAt;
    QString endedAt;
    // In world units, null when the run did not end in a death. A snapshot's
    // values are kept as they came, whatever their type.
    QVariant deathWorldY;
    QVariant deathWorldX;
    int jumpCount = 0;
    int maxSectionJumpCount = 0;
    int wallCollisionCount = 0;
    int blockCollisionCount = 0;
    // The run's replay as Replay::encode wrote it. A snapshot may come
    // without one; one that came with a replay that does not decode is
    // still a run, stored without it.
    bool hasReplay = false;
    QByteArray replay;

    QVariantMap toSnapshot() const;

    // Reads a snapshot: absent keys read as empty text, 0, or a null
    // position. False when a count cannot be read as an int (no number, or
    // out of range): such a run is refused, never stored.
    static bool fromSnapshot(const QVariantMap &snapshot, RunSummary &run);
    // The run's id as fromSnapshot reads it, even from a snapshot it refuses.
    static QString idOf(const QVariantMap &snapshot);
};

Q_DECLARE_METATYPE(RunSummary)

#endif // RUNSUMMARY_H

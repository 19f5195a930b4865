#ifndef GAMESETTLEMENTWORKER_H
#define GAMESETTLEMENTWORKER_H

#include "game/replay.h"
#include "game/runsummary.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

class AchievementService;

// Settles finished runs on a thread of its own. Every request builds its own
// data-access objects and services on this thread and drops them before it
// returns; nothing is shared with the GUI thread, and each request gets
// exactly one answer signal.
//
// Runs that arrive while others wait are settled together: up to a handful
// share one write transaction, so a backlog costs one sync per group rather
// than one per run. Each run still has its own savepoint and its own answer,
// answers keep the order of the requests, and none leaves before the commit
// that makes its run durable.
//
// A run's replay is checked as the run arrives, before the group's write
// lock is taken: replaying it costs far more than storing it. One that
// passes is stored in the run's own transaction; one that fails is refused
// with a warning and the run is stored without it.
class GameSettlementWorker : public QObject
{
    Q_OBJECT
public:
    explicit GameSettlementWorker(QObject *parent = nullptr);

signals:
    void rewardsAcknowledged(const QString &requestId, bool success);
    void settled(const QString &gameId, bool success, const QVariantList &rewards, int bestScore);

public slots:
    void settle(const QVariantMap &snapshot);
    void shutdown();
    void acknowledge(const QString &requestId, const QVariantList &codes);
    // Logs what SQLite's quick check finds wrong with the database file.
    void checkDatabase();

private slots:
    // Settles every run that settle() has queued, group by group.
    void settlePending();

private:
    struct Answer
    {
        QString gameId;
        bool success;
        QVariantList rewards;
        int bestScore;
    };

    struct Pending
    {
        QString gameId;
        // False for a snapshot whose counts cannot be read: refused.
        bool readable;
        RunSummary run;
        // The replay to store with the run, when it has one that passed.
        bool withReplay;
        Replay replay;
    };

    // Settles one run inside the group's transaction; false when the group
    // must end (the run failed, or a write may have ended the transaction).
    bool settleOne(const Pending &run, AchievementService &achievementService, Answer &answer);

    QList<Pending> pending;
};

#endif // GAMESETTLEMENTWORKER_H

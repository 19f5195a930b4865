#ifndef GAMESETTLEMENTWORKER_H
#define GAMESETTLEMENTWORKER_H

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

    // Settles one run inside the group's transaction; false when it failed.
    bool settleOne(const QVariantMap &snapshot, AchievementService &achievementService,
                   Answer &answer);

    QList<QVariantMap> pending;
};

#endif // GAMESETTLEMENTWORKER_H

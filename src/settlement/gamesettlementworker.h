#ifndef GAMESETTLEMENTWORKER_H
#define GAMESETTLEMENTWORKER_H

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

// Settles finished runs on a thread of its own. Every request builds its own
// data-access objects and services on this thread and drops them before it
// returns; nothing is shared with the GUI thread, and each request gets
// exactly one answer signal.
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
};

#endif // GAMESETTLEMENTWORKER_H

#include "gamesettlementworker.h"
// STUB: replaced by the application work.
GameSettlementWorker::GameSettlementWorker(QObject *parent)
    : QObject(parent)
{ }
void GameSettlementWorker::settle(const QVariantMap &snapshot)
{
    emit settled(snapshot.value(QStringLiteral("id")).toString(), false, QVariantList(), -1);
}
void GameSettlementWorker::shutdown() { }
void GameSettlementWorker::acknowledge(const QString &requestId, const QVariantList &)
{
    emit rewardsAcknowledged(requestId, false);
}

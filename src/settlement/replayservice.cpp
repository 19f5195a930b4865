#include "settlement/replayservice.h"

#include "storage/databaseconnection.h"
#include "storage/gamerecord.h"
#include "storage/gamerecorddao.h"
#include "storage/replaydao.h"
#include "storage/writetransaction.h"

#include <QDebug>
#include <QScopedPointer>

namespace {

RunSummary summaryOf(const GameRecord &record)
{
    RunSummary run;
    run.id = record.componentId();
    run.modeId = record.modeId();
    run.score = record.score();
    run.endReason = record.endReason();
    run.startedAt = record.startedAt();
    run.endedAt = record.endedAt();
    run.jumpCount = record.jumpCount();
    run.maxSectionJumpCount = record.maxSectionJumpCount();
    run.wallCollisionCount = record.wallCollisionCount();
    run.blockCollisionCount = record.blockCollisionCount();
    return run;
}

bool isStorable(const Replay &replay, const RunSummary &run, QString *why)
{
    if (!replay.isCurrentRules()) {
        *why = QStringLiteral("replay of rules version %1, this game plays %2")
                       .arg(replay.rules)
                       .arg(Replay::CurrentRules);
        return false;
    }
    if (replay.modeId != run.modeId) {
        *why = QStringLiteral("replay of another mode");
        return false;
    }
    return true;
}

} // namespace

ReplayService::ReplayService(ReplayDao *dao, QObject *parent)
    : QObject(parent)
    , dao(dao)
{ }

bool ReplayService::verify(const RunSummary &run, Replay &replay)
{
    if (!run.hasReplay)
        return false;
    QString why;
    Replay read;
    // Playing it through is left to replayOf, where it is shown: done here
    // it would double what a settlement costs, and the game's own runs
    // play to their figures by construction.
    if (Replay::decode(run.replay, read, &why) && isStorable(read, run, &why)) {
        replay = read;
        return true;
    }
    qWarning().nospace().noquote() << "[ReplayService] replay of run " << run.id
                                   << " refused, the run is stored without it: " << why;
    return false;
}

bool ReplayService::store(const RunSummary &run, const Replay &replay)
{
    if (!dao)
        return false;
    WriteTransaction savepoint(DatabaseConnection::database());
    return savepoint.isActive() && dao->insert(run.id, replay.rules, replay.encode())
            && savepoint.commit();
}

bool ReplayService::replayOf(const QString &runId, Replay &replay)
{
    if (!dao)
        return false;
    const QByteArray bytes = dao->find(runId);
    if (bytes.isEmpty())
        return false;
    GameRecordDao records;
    bool lookedUp = false;
    const QScopedPointer<GameRecord> record(records.findById(runId, &lookedUp));
    if (!record)
        return false;
    record->setParent(nullptr);
    QString why;
    Replay read;
    const bool decoded = Replay::decode(bytes, read, &why);
    // Recorded under other rules: kept, but not this version's to play.
    if (decoded && !read.isCurrentRules())
        return false;
    if (decoded && read.matches(summaryOf(*record), &why)) {
        replay = read;
        return true;
    }
    qWarning().nospace().noquote()
            << "[ReplayService] stored replay of run " << runId << " not shown: " << why;
    return false;
}

#include "settlement/gamesettlementworker.h"

#include "achievements/achievement.h"
#include "achievements/achievementdao.h"
#include "achievements/achievementservice.h"
#include "game/runsummary.h"
#include "settlement/gamerecordservice.h"
#include "settlement/replayservice.h"
#include "settlement/skinservice.h"
#include "storage/databaseconnection.h"
#include "storage/gamerecord.h"
#include "storage/gamerecorddao.h"
#include "storage/replaydao.h"
#include "storage/skindao.h"
#include "storage/writetransaction.h"

#include <QElapsedTimer>
#include <QList>

namespace {

// The most runs, and the longest time, that one settlement group takes.
const int kGroupRuns = 16;
const qint64 kGroupMilliseconds = 40;

// The snapshot's reading rules are the game's own (RunSummary), so the
// quit path that stores a run directly reads it the same way.
void fillRecord(const RunSummary &run, GameRecord &record)
{
    record.setComponentId(run.id);
    record.setModeId(run.modeId);
    record.setScore(run.score);
    record.setEndReason(run.endReason);
    record.setStartedAt(run.startedAt);
    record.setEndedAt(run.endedAt);
    record.setDeathWorldY(run.deathWorldY);
    record.setDeathWorldX(run.deathWorldX);
    record.setJumpCount(run.jumpCount);
    record.setMaxSectionJumpCount(run.maxSectionJumpCount);
    record.setWallCollisionCount(run.wallCollisionCount);
    record.setBlockCollisionCount(run.blockCollisionCount);
}

// Every unlocked achievement whose notification is still pending, with the
// image and id of its reward skin.
QVariantList pendingRewards(const QList<Achievement> &achievements, const QVariantList &skins)
{
    QVariantList rewards;
    for (const Achievement &achievement : achievements) {
        if (!achievement.unlocked || !achievement.notificationPending)
            continue;
        QVariantMap item = achievement.toVariantMap();
        for (const QVariant &skinValue : skins) {
            const QVariantMap skin = skinValue.toMap();
            if (skin.value(QStringLiteral("componentId")).toString() == achievement.rewardSkinId) {
                item.insert(QStringLiteral("skinPath"), skin.value(QStringLiteral("skinPath")));
                item.insert(QStringLiteral("skinId"), skin.value(QStringLiteral("skinId")));
                break;
            }
        }
        rewards.append(item);
    }
    return rewards;
}

} // namespace

GameSettlementWorker::GameSettlementWorker(QObject *parent)
    : QObject(parent)
{ }

void GameSettlementWorker::settle(const QVariantMap &snapshot)
{
    // Queued behind every request that is already waiting, so when it runs
    // the whole burst is here to be settled together.
    Pending run;
    run.gameId = RunSummary::idOf(snapshot);
    run.readable = RunSummary::fromSnapshot(snapshot, run.run);
    run.withReplay = run.readable && ReplayService::verify(run.run, run.replay);
    pending.append(run);
    if (pending.size() == 1)
        QMetaObject::invokeMethod(this, "settlePending", Qt::QueuedConnection);
}

void GameSettlementWorker::settlePending()
{
    while (!pending.isEmpty()) {
        QList<Answer> answers;
        if (!DatabaseConnection::initialize()) {
            answers.append({pending.takeFirst().gameId, false, {}, -1});
        } else {
            // One write transaction, so one commit to the disk, for the group:
            // the catalogue refresh, then each run in a savepoint of its own
            // (WriteTransaction nests). A run that recordGame refuses rolls
            // back its savepoint only, and the refresh is still committed.
            //
            // The catalogue is imported again before every group, even one
            // whose runs recordGame then refuses: it is what keeps the rows in
            // step with a catalogue changed by an update while the worker
            // runs, and a run is only evaluated after an import succeeded.
            //
            // A group is kept short (a few runs, a few dozen milliseconds)
            // so a GUI-thread write waiting for its turn is not held up long,
            // and it ends after a failed run: a failure may have been SQLite
            // abandoning the whole transaction, and nothing more may be
            // written outside it.
            WriteTransaction transaction(DatabaseConnection::database());
            AchievementDao achievementDao;
            AchievementService achievementService(&achievementDao);
            const bool imported = transaction.isActive() && achievementService.initializePresets();
            QElapsedTimer clock;
            clock.start();
            bool failed = false;
            while (!pending.isEmpty() && !failed && answers.size() < kGroupRuns
                   && clock.elapsed() < kGroupMilliseconds) {
                const Pending run = pending.takeFirst();
                Answer answer{run.gameId, false, {}, -1};
                failed = !imported || !settleOne(run, achievementService, answer);
                answers.append(answer);
            }
            // Without the commit nothing of the group happened.
            if (!transaction.commit()) {
                for (Answer &answer : answers)
                    answer = {answer.gameId, false, {}, -1};
            }
        }
        for (const Answer &answer : answers) {
            emit settled(answer.gameId, answer.success,
                         answer.success ? answer.rewards : QVariantList(), answer.bestScore);
        }
    }
}

bool GameSettlementWorker::settleOne(const Pending &run, AchievementService &achievementService,
                                     Answer &answer)
{
    // Built for this run only, on this thread, and gone before its answer.
    // The achievement service is the group's: its import stands for every
    // run of the group.
    AchievementDao achievementDao;
    GameRecordDao recordDao;
    GameRecordService recordService(&recordDao);
    GameRecord record;
    if (!run.readable)
        return false;
    fillRecord(run.run, record);
    if (!achievementService.recordGame(&record, &recordService))
        return false;
    // Also for a run stored before without its replay (the same run again).
    bool replayKept = true;
    if (run.withReplay) {
        ReplayDao replayDao;
        replayKept = ReplayService(&replayDao).store(run.run, run.replay);
    }

    // Every answer reloads the achievements, and that reload decides its
    // success. Most answers have no reward to show: a look at what the
    // reload needs comes first, and the rows themselves (and the skins to
    // show them with) are read only when a reward waits.
    bool anyReward = false;
    answer.success = achievementDao.notificationsPending(anyReward);
    if (answer.success && anyReward) {
        QList<Achievement> achievements;
        answer.success = achievementDao.loadAll(achievements);
        if (answer.success) {
            SkinDao skinDao;
            SkinService skinService(&skinDao);
            answer.rewards = pendingRewards(achievements, skinService.skins());
        }
    }
    answer.bestScore = recordService.highestScore(record.modeId());
    // The run stands without its replay, but what failed may have been
    // SQLite ending the whole transaction: the group's commit decides.
    return answer.success && replayKept;
}

void GameSettlementWorker::checkDatabase()
{
    if (DatabaseConnection::initialize())
        DatabaseConnection::checkForDamage();
}

void GameSettlementWorker::shutdown()
{
    // Runs still waiting are settled first: their requests came before this.
    settlePending();
    DatabaseConnection::closeConnection();
}

void GameSettlementWorker::acknowledge(const QString &requestId, const QVariantList &codes)
{
    // Runs submitted before this acknowledgement are settled before it.
    settlePending();
    AchievementDao achievementDao;
    const bool acknowledged
            = DatabaseConnection::initialize() && achievementDao.acknowledgeNotifications(codes);
    emit rewardsAcknowledged(requestId, acknowledged);
}

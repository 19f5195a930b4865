#include "achievements/achievementservice.h"

#include "achievements/achievementdao.h"
#include "achievements/settlementcontext.h"
#include "settlement/gamerecordservice.h"
#include "storage/databaseconnection.h"
#include "storage/gamerecord.h"
#include "storage/writetransaction.h"

#include <QDebug>
#include <QScopedPointer>

namespace {

// Whether the stored run is the same run; the death position and the row's
// own timestamps are not part of the comparison.
bool sameRun(const GameRecord *stored, const GameRecord *record)
{
    return stored->modeId() == record->modeId() && stored->score() == record->score()
            && stored->endReason() == record->endReason()
            && stored->jumpCount() == record->jumpCount()
            && stored->maxSectionJumpCount() == record->maxSectionJumpCount()
            && stored->wallCollisionCount() == record->wallCollisionCount()
            && stored->blockCollisionCount() == record->blockCollisionCount()
            && stored->startedAt() == record->startedAt() && stored->endedAt() == record->endedAt();
}

bool isValidRun(const GameRecord *record)
{
    return !record->componentId().isEmpty() && record->score() >= 0 && record->jumpCount() >= 0
            && record->maxSectionJumpCount() >= 0 && record->wallCollisionCount() >= 0
            && record->blockCollisionCount() >= 0
            && SettlementContext::isEndReason(record->endReason());
}

int lowScoreStreak(const QVariantList &recentRuns, int maxScore)
{
    int streak = 0;
    for (const QVariant &entry : recentRuns) {
        const QVariantMap run = entry.toMap();
        const int score = run.value(QStringLiteral("score")).toInt();
        if (!SettlementContext::isDeathReason(run.value(QStringLiteral("endReason")).toString())
            || score < 0 || score > maxScore)
            break;
        ++streak;
    }
    return streak;
}

} // namespace

bool AchievementService::recordGame(GameRecord *record, GameRecordService *recordService)
{
    if (!initialized || !dao || !record || !recordService)
        return false;
    if (!isValidRun(record))
        return false;

    WriteTransaction transaction(DatabaseConnection::database());
    if (!transaction.isActive())
        return false;

    bool lookedUp = false;
    const QScopedPointer<GameRecord> stored(
            recordService->findGameRecord(record->componentId(), &lookedUp));
    if (!lookedUp)
        return false;
    // Settled before: identical is a success that writes nothing.
    if (stored)
        return sameRun(stored.data(), record);

    auto rollBack = [&transaction] {
        transaction.rollback();
        qWarning() << "[AchievementService] game settlement rolled back";
        return false;
    };

    QList<Achievement> list;
    const bool loaded = dao->loadAll(list);

    // Enough recent runs to see a whole streak of every streak achievement that can still move.
    int streakLimit = 1;
    for (const Achievement &a : list) {
        if (a.enabled && !a.unlocked && a.conditionType == Achievement::LowScoreStreak)
            streakLimit = qMax(streakLimit, a.targetValue);
    }

    SettlementContext context;
    QVariantList recentRuns;
    const bool haveStatistics = loaded
            && dao->runStatistics(record->modeId(), streakLimit, context.totalScore,
                                  context.totalCollisions, recentRuns);
    context.score = record->score();
    context.maxSectionJumpCount = record->maxSectionJumpCount();
    context.wallCollisionCount = record->wallCollisionCount();
    context.blockCollisionCount = record->blockCollisionCount();
    context.endReason = record->endReason();
    if (!recentRuns.isEmpty()) {
        const QVariantMap previous = recentRuns.first().toMap();
        context.previousScore = previous.value(QStringLiteral("score")).toInt();
        context.previousDied = SettlementContext::isDeathReason(
                previous.value(QStringLiteral("endReason")).toString());
    }

    if (!loaded || !haveStatistics || !recordService->saveGameRecord(record))
        return rollBack();

    for (const Achievement &a : list) {
        context.streak = 0;
        if (a.conditionType == Achievement::LowScoreStreak) {
            const auto maxScore = a.parameters.constFind(QStringLiteral("max_score"));
            context.streak = lowScoreStreak(
                    recentRuns, maxScore == a.parameters.constEnd() ? -1 : maxScore->toInt());
        }
        const int progress = a.evaluateProgress(context);
        if (progress >= 0 && progress != a.progressValue && !dao->applyProgress(a.code, progress))
            return rollBack();
    }

    if (!transaction.commit())
        return rollBack();
    return true;
}

QVariantMap AchievementService::achievements()
{
    bool ok = initialized;
    QVariantList items;
    if (initialized) {
        QList<Achievement> list;
        ok = dao && dao->loadAll(list);
        for (const Achievement &a : list) {
            if (a.enabled)
                items.append(a.toVariantMap());
        }
    }
    QVariantMap result;
    result.insert(QStringLiteral("ok"), ok);
    result.insert(QStringLiteral("items"), items);
    return result;
}

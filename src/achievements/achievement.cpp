#include "achievements/achievement.h"

#include "achievements/settlementcontext.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <limits>

namespace {

// Parameters as the rules read them: absent counts as -1, text that is not a
// number as 0 (the toolkit's conversion).
int parameter(const QVariantMap &parameters, const char *key)
{
    const auto it = parameters.constFind(QLatin1String(key));
    return it == parameters.constEnd() ? -1 : it->toInt();
}

bool hasWholeNumber(const QJsonObject &object, const char *key, bool nonNegative)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble() || !Achievement::isWholeNumber(value.toDouble()))
        return false;
    return !nonNegative || value.toDouble() >= 0;
}

int clampTo(qint64 value, int target)
{
    return int(qMax<qint64>(0, qMin<qint64>(value, target)));
}

} // namespace

bool Achievement::isWholeNumber(double value)
{
    // Compare against the range first: converting an out-of-range or
    // non-finite double to int is undefined.
    if (!std::isfinite(value) || value < std::numeric_limits<int>::min()
        || value > std::numeric_limits<int>::max())
        return false;
    return value == double(int(value));
}

QString Achievement::parametersToJson(const QVariantMap &parameters)
{
    // Most achievements have none, and every import writes every row.
    if (parameters.isEmpty())
        return QStringLiteral("{}");
    // QJsonObject keeps its keys sorted, so equal maps give equal texts.
    return QString::fromUtf8(
            QJsonDocument(QJsonObject::fromVariantMap(parameters)).toJson(QJsonDocument::Compact));
}

bool Achievement::isValid() const
{
    if (code.trimmed().isEmpty() || targetValue < 1 || conditionType < BestSectionJumps
        || conditionType > ScoreDrop)
        return false;

    const QJsonObject object = QJsonObject::fromVariantMap(parameters);
    if (conditionType == LowScoreStreak && !hasWholeNumber(object, "max_score", true))
        return false;
    if (conditionType == ScoreDrop
        && (targetValue != 1 || !hasWholeNumber(object, "previous_min_score", true)
            || !hasWholeNumber(object, "current_score", true)))
        return false;

    if (conditionType == TimeWindow)
        return windowSeconds >= 1;
    return windowSeconds == -1;
}

int Achievement::evaluateProgress(const SettlementContext &context) const
{
    if (!enabled || unlocked || targetValue <= 0)
        return -1;
    const bool died = SettlementContext::isDeathReason(context.endReason);
    const int target = targetValue;

    switch (conditionType) {
    case BestSectionJumps:
        return clampTo(qMax(progressValue, context.maxSectionJumpCount), target);
    case BestScore:
        return clampTo(qMax(progressValue, context.score), target);
    case TotalCollisions:
        return clampTo(qint64(clampTo(context.totalCollisions, target))
                               + qMax(context.wallCollisionCount, 0)
                               + qMax(context.blockCollisionCount, 0),
                       target);
    case TotalScore:
        return clampTo(qint64(clampTo(context.totalScore, target)) + qMax(context.score, 0),
                       target);
    case LowScoreStreak: {
        const int maxScore = parameter(parameters, "max_score");
        if (maxScore < 0)
            return -1;
        if (!died || context.score < 0 || context.score > maxScore)
            return 0;
        return clampTo(qint64(qMax(context.streak, 0)) + 1, target);
    }
    case ScoreDrop: {
        const int previousMin = parameter(parameters, "previous_min_score");
        const int current = parameter(parameters, "current_score");
        if (previousMin < 0 || current < 0)
            return -1;
        return died && context.previousDied && context.previousScore >= previousMin
                        && context.score == current
                ? 1
                : 0;
    }
    default: // Unassigned, TimeWindow and unknown types never progress.
        return -1;
    }
}

QVariantMap Achievement::toVariantMap() const
{
    QVariantMap map;
    map.insert(QStringLiteral("id"), id);
    map.insert(QStringLiteral("createdAt"), createdAt);
    map.insert(QStringLiteral("updatedAt"), updatedAt);
    map.insert(QStringLiteral("code"), code);
    map.insert(QStringLiteral("conditionType"), conditionType);
    map.insert(QStringLiteral("targetValue"), targetValue);
    map.insert(QStringLiteral("windowSeconds"), windowSeconds);
    map.insert(QStringLiteral("parameters"), parameters);
    map.insert(QStringLiteral("showCondition"), showCondition);
    map.insert(QStringLiteral("notificationPending"), notificationPending);
    map.insert(QStringLiteral("rewardSkinId"), rewardSkinId);
    map.insert(QStringLiteral("progressValue"), progressValue);
    map.insert(QStringLiteral("enabled"), enabled);
    map.insert(QStringLiteral("unlocked"), unlocked);
    map.insert(QStringLiteral("unlockedAt"), unlockedAt);
    map.insert(QStringLiteral("sortOrder"), sortOrder);
    return map;
}

#ifndef ACHIEVEMENT_H
#define ACHIEVEMENT_H

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariantMap>

struct SettlementContext;

// Value record of one achievements row. Copied freely between threads and
// lists; it carries meta-object information for its enumeration only.
class Achievement
{
    Q_GADGET
public:
    enum ConditionType {
        BestSectionJumps = 1,
        Unassigned = 2,
        TimeWindow = 3,
        BestScore = 4,
        TotalCollisions = 5,
        TotalScore = 6,
        LowScoreStreak = 7,
        ScoreDrop = 8
    };
    Q_ENUM(ConditionType)

    QString id;
    QString createdAt;
    QString updatedAt;
    QString code;
    int conditionType = BestSectionJumps;
    int targetValue = 1;
    int windowSeconds = -1;
    QVariantMap parameters;
    bool showCondition = true;
    bool notificationPending = false;
    QString rewardSkinId;
    int progressValue = 0;
    bool enabled = true;
    bool unlocked = false;
    QString unlockedAt;
    int sortOrder = 0;

    bool isValid() const;
    // The new progress for a settled run, or -1 when the achievement stays as it is.
    int evaluateProgress(const SettlementContext &context) const;
    // The sixteen members under their own names, as the front end reads them.
    QVariantMap toVariantMap() const;

    // Whether a JSON number is a whole value within the 32-bit signed range.
    static bool isWholeNumber(double value);
    // The parameters as stored: compact JSON, keys sorted, "{}" when empty.
    static QString parametersToJson(const QVariantMap &parameters);
};

Q_DECLARE_METATYPE(Achievement)

#endif // ACHIEVEMENT_H

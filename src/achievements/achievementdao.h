#ifndef ACHIEVEMENTDAO_H
#define ACHIEVEMENTDAO_H

#include "achievements/achievement.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

// The only code that reads or writes the achievements table; also the two
// writes that achievements cause on skins, and the per-mode run statistics.
// Works on the calling thread's connection and keeps no state.
class AchievementDao : public QObject
{
    Q_OBJECT
public:
    explicit AchievementDao(QObject *parent = nullptr);

    bool loadAll(QList<Achievement> &out);
    // Whether any unlocked achievement's notification is pending; fails, and
    // logs, exactly where loadAll would, reading only what that takes.
    bool notificationsPending(bool &pending);
    // Runs inside the caller's transaction.
    bool writePreset(const Achievement &achievement);
    // Opens its own write transaction around writePreset.
    bool upsertPreset(const Achievement &achievement);
    // Runs inside the caller's transaction.
    bool applyProgress(const QString &code, int progress);
    // Opens its own write transaction around applyProgress.
    bool updateProgress(const QString &code, int progress);
    bool acknowledgeNotifications(const QVariantList &codes);
    bool importPresets(const QList<Achievement> &presets, const QVariantMap &rewardSkins);
    bool runStatistics(const QString &modeId, int recentRunLimit, qint64 &totalScore,
                       qint64 &totalCollisions, QVariantList &recentRuns);

private:
    // What the import read of an achievement row before writing it.
    struct StoredPreset
    {
        bool exists = false;
        bool unlocked = false;
        QString rewardSkinId;
    };
    // The import stamps every row it writes with one time, its own; it has
    // read the row already (stored) and knows the reward skin row exists (it
    // has just written it). Without stored, both are looked up. error is the
    // failed statement's error text, empty for a refusal.
    bool writePreset(const Achievement &achievement, const QString &now, const StoredPreset *stored,
                     QString &error);
};

#endif // ACHIEVEMENTDAO_H

#ifndef ACHIEVEMENTSERVICE_H
#define ACHIEVEMENTSERVICE_H

#include "achievements/achievement.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

class AchievementDao;
class GameRecord;
class GameRecordService;

// Catalogue import, single writes, run settlement and the achievement list.
// The class spans two layers: the catalogue half lives here with the
// achievement data, the settlement half with the rest of the settlement,
// because it stores runs through the record service above this layer.
// Used by one thread only: the GUI thread's instance lives with ApplicationCore,
// the worker builds a fresh one for every request.
class AchievementService : public QObject
{
    Q_OBJECT
public:
    explicit AchievementService(AchievementDao *dao, QObject *parent = nullptr);

    bool isInitialized() const { return initialized; }

    // --- Catalogue and single writes: src/achievements/achievementservice.cpp ---

    bool upsertAchievement(const Achievement &achievement);
    bool updateProgress(const QString &code, int progress);

    // Imports the catalogue compiled into the program.
    bool initializePresets();
    // Parses and validates a catalogue; false, with nothing written, when any
    // entry breaks a rule. Kept apart from the import for testing.
    static bool parseCatalogue(const QByteArray &json, QList<Achievement> &presets,
                               QVariantMap &rewardSkins);

    // --- Settlement and the list: src/settlement/achievementsettlement.cpp ---

    // Stores a run and evaluates every achievement against it, in one transaction.
    bool recordGame(GameRecord *record, GameRecordService *recordService);
    // The list for the front end: {"ok": bool, "items": [achievement item, ...]}.
    QVariantMap achievements();

private:
    AchievementDao *dao;
    bool initialized;
};

#endif // ACHIEVEMENTSERVICE_H

#include "achievementservice.h"
// STUB: replaced by the catalogue work.
AchievementService::AchievementService(AchievementDao *dao, QObject *parent) : QObject(parent), dao(dao), initialized(false) {}
bool AchievementService::upsertAchievement(const Achievement &) { return false; }
bool AchievementService::updateProgress(const QString &, int) { return false; }
bool AchievementService::initializePresets() { initialized = false; return false; }
bool AchievementService::parseCatalogue(const QByteArray &, QList<Achievement> &, QVariantMap &) { return false; }

#include "achievementdao.h"
// STUB: replaced by the catalogue work.
AchievementDao::AchievementDao(QObject *parent) : QObject(parent) {}
bool AchievementDao::loadAll(QList<Achievement> &out) { out.clear(); return false; }
bool AchievementDao::writePreset(const Achievement &) { return false; }
bool AchievementDao::upsertPreset(const Achievement &) { return false; }
bool AchievementDao::applyProgress(const QString &, int) { return false; }
bool AchievementDao::updateProgress(const QString &, int) { return false; }
bool AchievementDao::acknowledgeNotifications(const QVariantList &) { return false; }
bool AchievementDao::importPresets(const QList<Achievement> &, const QVariantMap &) { return false; }
bool AchievementDao::runStatistics(const QString &, int, qint64 &, qint64 &, QVariantList &) { return false; }

#include "applicationcore.h"
// STUB: replaced by the application work.
ApplicationCore::ApplicationCore(QObject *parent) : QObject(parent), settings(nullptr), gameRecordService(nullptr), skinService(nullptr), achievementService(nullptr), workerThread(nullptr), worker(nullptr), shuttingDown(false) {}
ApplicationCore::~ApplicationCore() {}
QString ApplicationCore::newGameId() const { return QString(); }
bool ApplicationCore::submitGameRecord(const QVariantMap &) { return false; }
bool ApplicationCore::acknowledgeSkinRewards(const QString &, const QVariantList &) { return false; }
void ApplicationCore::setAppSetting(const QString &, const QString &, const QVariant &) {}
QVariant ApplicationCore::appSetting(const QString &, const QString &, const QVariant &) { return QVariant(); }
bool ApplicationCore::saveGameRecord(const QString &, const QString &, int, const QString &, const QString &, const QString &, const QVariant &, const QVariant &, int, int, int, int) { return false; }
QVariantList ApplicationCore::gameRecords(const QString &) { return QVariantList(); }
int ApplicationCore::highestScore(const QString &) { return -1; }
QVariant ApplicationCore::latestDeathPosition(const QString &) { return QVariant(); }
QVariantMap ApplicationCore::achievements() { return QVariantMap(); }
QVariantList ApplicationCore::skins() { return QVariantList(); }
bool ApplicationCore::selectSkin(const QString &) { return false; }
bool ApplicationCore::unlockSkin(const QString &) { return false; }
void ApplicationCore::startWorker() {}
void ApplicationCore::stopWorker() {}

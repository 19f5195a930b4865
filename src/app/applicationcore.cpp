#include "app/applicationcore.h"

#include "achievements/achievementdao.h"
#include "achievements/achievementservice.h"
#include "app/appsettings.h"
#include "app/localchanges.h"
#include "game/runsummary.h"
#include "settlement/gamerecordservice.h"
#include "settlement/gamesettlementworker.h"
#include "settlement/skinservice.h"
#include "storage/databaseconnection.h"
#include "storage/gamerecord.h"
#include "storage/gamerecorddao.h"
#include "storage/skindao.h"

#include <QDebug>
#include <QMetaObject>
#include <QThread>
#include <QUuid>

ApplicationCore::ApplicationCore(QObject *parent)
    : QObject(parent)
    , settings(new AppSettings(this))
    , gameRecordService(nullptr)
    , skinService(nullptr)
    , achievementService(nullptr)
    , workerThread(nullptr)
    , worker(nullptr)
    , shuttingDown(false)
{
    const bool databaseReady = DatabaseConnection::initialize();

    GameRecordDao *gameRecordDao = new GameRecordDao(this);
    gameRecordService = new GameRecordService(gameRecordDao, this);
    SkinDao *skinDao = new SkinDao(this);
    skinService = new SkinService(skinDao, this);
    AchievementDao *achievementDao = new AchievementDao(this);
    achievementService = new AchievementService(achievementDao, this);

    // Without a database there is nothing to import into; the records and
    // skins still answer with their services' failure values. A failure is
    // often passing (another instance holding the lock on slow storage), so
    // the import is tried again whenever the achievements are needed.
    const bool achievementsReady = databaseReady && achievementService->initializePresets();
    if (!achievementsReady)
        qWarning() << "[ApplicationCore] achievements unavailable: initialization failed";

    startWorker();
    // Emitted inside the constructor, before anyone can have connected to it:
    // no C++ or QML handler ever sees it. It stays because the front end's
    // interface names it; a front end reads readiness from the finished
    // construction (Component.onCompleted) instead.
    emit initialized();
}

ApplicationCore::~ApplicationCore()
{
    shuttingDown = true;
    stopWorker();
    pendingGameIds.clear();
}

QString ApplicationCore::newGameId() const
{
    return QUuid::createUuid().toString();
}

bool ApplicationCore::submitGameRecord(const QVariantMap &snapshot)
{
    const QString gameId = RunSummary::idOf(snapshot);
    if (shuttingDown || gameId.isEmpty() || pendingGameIds.contains(gameId))
        return false;
    pendingGameIds.insert(gameId);
    emit settlementRequested(snapshot);
    return true;
}

bool ApplicationCore::acknowledgeSkinRewards(const QString &requestId, const QVariantList &codes)
{
    if (shuttingDown || requestId.isEmpty() || codes.isEmpty())
        return false;
    emit rewardAcknowledgementRequested(requestId, codes);
    return true;
}

void ApplicationCore::setAppSetting(const QString &group, const QString &key, const QVariant &value)
{
    settings->setValue(group, key, value);
    LocalChanges::instance()->announceSettingWritten(group, key);
}

QVariant ApplicationCore::appSetting(const QString &group, const QString &key,
                                     const QVariant &defaultValue)
{
    return settings->value(group, key, defaultValue);
}

bool ApplicationCore::saveGameRecord(const QString &componentId, const QString &modeId, int score,
                                     const QString &endReason, const QString &startedAt,
                                     const QString &endedAt, const QVariant &deathWorldY,
                                     const QVariant &deathWorldX, int jumpCount,
                                     int maxSectionJumpCount, int wallCollisionCount,
                                     int blockCollisionCount)
{
    GameRecord *record = new GameRecord(this);
    if (!componentId.isEmpty()) {
        record->setComponentId(componentId);
    } else {
        // QUuid's text form is braced; this path stores the bare 36 characters.
        record->setComponentId(QUuid::createUuid().toString().mid(1, 36));
    }
    record->setModeId(modeId);
    record->setScore(score);
    record->setJumpCount(jumpCount);
    record->setMaxSectionJumpCount(maxSectionJumpCount);
    record->setWallCollisionCount(wallCollisionCount);
    record->setBlockCollisionCount(blockCollisionCount);
    record->setDeathWorldY(deathWorldY);
    record->setDeathWorldX(deathWorldX);
    record->setEndReason(endReason);
    record->setStartedAt(startedAt);
    record->setEndedAt(endedAt);

    const bool saved
            = achievementsAvailable() && achievementService->recordGame(record, gameRecordService);
    delete record;
    if (saved)
        LocalChanges::instance()->announceRunStored();
    return saved;
}

QVariantList ApplicationCore::gameRecords(const QString &modeId)
{
    return gameRecordService->gameRecords(modeId);
}

int ApplicationCore::highestScore(const QString &modeId)
{
    return gameRecordService->highestScore(modeId);
}

QVariant ApplicationCore::latestDeathPosition(const QString &modeId)
{
    return gameRecordService->latestDeathPosition(modeId);
}

QVariantMap ApplicationCore::achievements()
{
    achievementsAvailable();
    return achievementService->achievements();
}

QVariantList ApplicationCore::skins()
{
    return skinService->skins();
}

bool ApplicationCore::selectSkin(const QString &skinId)
{
    const bool worn = skinService->selectSkin(skinId);
    if (worn)
        LocalChanges::instance()->announceSkinsChanged();
    return worn;
}

bool ApplicationCore::unlockSkin(const QString &skinId)
{
    const bool unlocked = skinService->unlockSkin(skinId);
    if (unlocked)
        LocalChanges::instance()->announceSkinsChanged();
    return unlocked;
}

bool ApplicationCore::achievementsAvailable()
{
    if (achievementService->isInitialized())
        return true;
    // Logged at construction already; a retry that fails again adds only
    // the warnings of the steps that failed.
    if (!DatabaseConnection::initialize() || !achievementService->initializePresets())
        return false;
    qInfo() << "[ApplicationCore] achievements available again";
    return true;
}

void ApplicationCore::startWorker()
{
    workerThread = new QThread(this);
    worker = new GameSettlementWorker;
    worker->moveToThread(workerThread);

    // Everything crosses the thread boundary by value through queued
    // connections; the answers run on the GUI thread in this object's context,
    // so they are dropped together with it when it goes first.
    connect(this, &ApplicationCore::settlementRequested, worker, &GameSettlementWorker::settle,
            Qt::QueuedConnection);
    connect(
            worker, &GameSettlementWorker::settled, this,
            [this](const QString &gameId, bool success, const QVariantList &rewards,
                   int bestScore) {
                pendingGameIds.remove(gameId);
                emit gameSettled(gameId, success, rewards, bestScore);
            },
            Qt::QueuedConnection);
    connect(this, &ApplicationCore::rewardAcknowledgementRequested, worker,
            &GameSettlementWorker::acknowledge, Qt::QueuedConnection);
    connect(worker, &GameSettlementWorker::rewardsAcknowledged, this,
            &ApplicationCore::skinRewardsAcknowledged, Qt::QueuedConnection);
    connect(workerThread, &QThread::finished, worker, &QObject::deleteLater);

    workerThread->start(QThread::InheritPriority);
    // Once per start, so a damaged page that makes every later write fail
    // shows in the log with what SQLite found. The check reads the whole
    // file, so it runs on the worker, ahead of every request, rather than
    // delaying the first frame by the size of the database. A write-ahead
    // log lets the GUI thread read and write meanwhile.
    QMetaObject::invokeMethod(worker, "checkDatabase", Qt::QueuedConnection);
}

void ApplicationCore::stopWorker()
{
    if (!workerThread || !workerThread->isRunning())
        return;
    // Runs after every request queued before it, and closes the worker's
    // connection on the thread that opened it.
    QMetaObject::invokeMethod(worker, "shutdown", Qt::BlockingQueuedConnection);
    workerThread->quit();
    workerThread->wait();
}

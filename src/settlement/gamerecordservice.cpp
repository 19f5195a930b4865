#include "settlement/gamerecordservice.h"

#include "storage/gamerecord.h"
#include "storage/gamerecorddao.h"

GameRecordService::GameRecordService(GameRecordDao *dao, QObject *parent)
    : QObject(parent)
    , dao(dao)
{ }

bool GameRecordService::saveGameRecord(GameRecord *record)
{
    return dao ? dao->insert(record) : false;
}

GameRecord *GameRecordService::findGameRecord(const QString &id, bool *ok)
{
    if (!dao) {
        *ok = false;
        return nullptr;
    }
    GameRecord *record = dao->findById(id, ok);
    if (record)
        record->setParent(nullptr);
    return record;
}

QVariantList GameRecordService::gameRecords(const QString &modeId)
{
    // Straight from the rows into the maps toVariantMap would build, without
    // a GameRecord object per run in between.
    return dao ? dao->findAllMaps(modeId) : QVariantList();
}

int GameRecordService::highestScore(const QString &modeId)
{
    return dao ? dao->highestScore(modeId) : -1;
}

QVariant GameRecordService::latestDeathPosition(const QString &modeId)
{
    return dao ? dao->latestDeathPosition(modeId) : QVariant();
}

QVariantMap GameRecordService::toVariantMap(const GameRecord *record)
{
    QVariantMap map;
    map.insert(QStringLiteral("componentId"), record->componentId());
    map.insert(QStringLiteral("modeId"), record->modeId());
    map.insert(QStringLiteral("score"), record->score());
    map.insert(QStringLiteral("jumpCount"), record->jumpCount());
    map.insert(QStringLiteral("maxSectionJumpCount"), record->maxSectionJumpCount());
    map.insert(QStringLiteral("wallCollisionCount"), record->wallCollisionCount());
    map.insert(QStringLiteral("blockCollisionCount"), record->blockCollisionCount());
    map.insert(QStringLiteral("deathWorldY"), record->deathWorldY());
    map.insert(QStringLiteral("deathWorldX"), record->deathWorldX());
    map.insert(QStringLiteral("endReason"), record->endReason());
    map.insert(QStringLiteral("startedAt"), record->startedAt());
    map.insert(QStringLiteral("endedAt"), record->endedAt());
    map.insert(QStringLiteral("createdAt"), record->createdAt());
    map.insert(QStringLiteral("updatedAt"), record->updatedAt());
    return map;
}

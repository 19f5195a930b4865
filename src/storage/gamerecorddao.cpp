#include "storage/gamerecorddao.h"

#include "storage/databaseconnection.h"
#include "storage/gamerecord.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariantMap>

namespace {

const char kInsert[]
        = "INSERT INTO game_records (id, mode_id, score, jump_count, max_section_jump_count, "
          "wall_collision_count, block_collision_count, death_world_y, death_world_x, end_reason, "
          "started_at, ended_at, created_at, updated_at) VALUES (:id, :mode_id, :score, "
          ":jump_count, :max_section_jump_count, :wall_collision_count, :block_collision_count, "
          ":death_world_y, :death_world_x, :end_reason, :started_at, :ended_at, :created_at, "
          ":updated_at)";
const char kUpdate[]
        = "UPDATE game_records SET mode_id=:mode_id, score=:score, jump_count=:jump_count, "
          "max_section_jump_count=:max_section_jump_count, "
          "wall_collision_count=:wall_collision_count, "
          "block_collision_count=:block_collision_count, death_world_y=:death_world_y, "
          "death_world_x=:death_world_x, end_reason=:end_reason, started_at=:started_at, "
          "ended_at=:ended_at, updated_at=:updated_at WHERE id=:id";
const char kDelete[] = "DELETE FROM game_records WHERE id=:id";
const char kHighestScoreOfMode[]
        = "SELECT COALESCE(MAX(score), 0) FROM game_records WHERE mode_id=:mode_id";
const char kHighestScoreOfAll[] = "SELECT COALESCE(MAX(score), 0) FROM game_records";
const char kFindById[] = "SELECT * FROM game_records WHERE id=:id";
const char kFindAllOfMode[]
        = "SELECT * FROM game_records WHERE mode_id=:mode_id ORDER BY created_at DESC";
const char kFindAll[] = "SELECT * FROM game_records ORDER BY created_at DESC";
const char kLatestDeathPosition[]
        = "SELECT death_world_y, death_world_x FROM game_records WHERE mode_id=:mode_id ORDER BY "
          "rowid DESC LIMIT 1";

// The values that insert and update bind alike.
void bindValues(QSqlQuery &query, const GameRecord *record)
{
    query.bindValue(QStringLiteral(":id"), record->componentId());
    query.bindValue(QStringLiteral(":mode_id"), record->modeId());
    query.bindValue(QStringLiteral(":score"), record->score());
    query.bindValue(QStringLiteral(":jump_count"), record->jumpCount());
    query.bindValue(QStringLiteral(":max_section_jump_count"), record->maxSectionJumpCount());
    query.bindValue(QStringLiteral(":wall_collision_count"), record->wallCollisionCount());
    query.bindValue(QStringLiteral(":block_collision_count"), record->blockCollisionCount());
    query.bindValue(QStringLiteral(":death_world_y"), record->deathWorldY());
    query.bindValue(QStringLiteral(":death_world_x"), record->deathWorldX());
    query.bindValue(QStringLiteral(":end_reason"), record->endReason());
    query.bindValue(QStringLiteral(":started_at"), record->startedAt());
    query.bindValue(QStringLiteral(":ended_at"), record->endedAt());
}

} // namespace

GameRecordDao::GameRecordDao(QObject *parent)
    : QObject(parent)
{ }

bool GameRecordDao::insert(GameRecord *record)
{
    if (!record)
        return false;
    QSqlQuery query(DatabaseConnection::database());
    query.prepare(QLatin1String(kInsert));
    bindValues(query, record);
    query.bindValue(QStringLiteral(":created_at"),
                    record->createdAt().isEmpty() ? DatabaseConnection::timestamp()
                                                  : record->createdAt());
    query.bindValue(QStringLiteral(":updated_at"),
                    record->updatedAt().isEmpty() ? DatabaseConnection::timestamp()
                                                  : record->updatedAt());
    if (!query.exec()) {
        qWarning() << "[GameRecordDao] insert failed:" << query.lastError().text();
        return false;
    }
    return true;
}

bool GameRecordDao::update(GameRecord *record)
{
    if (!record)
        return false;
    QSqlQuery query(DatabaseConnection::database());
    query.prepare(QLatin1String(kUpdate));
    bindValues(query, record);
    query.bindValue(QStringLiteral(":updated_at"), DatabaseConnection::timestamp());
    if (!query.exec()) {
        qWarning() << "[GameRecordDao] update failed:" << query.lastError().text();
        return false;
    }
    return query.numRowsAffected() > 0;
}

bool GameRecordDao::remove(const QString &id)
{
    QSqlQuery query(DatabaseConnection::database());
    query.prepare(QLatin1String(kDelete));
    query.bindValue(QStringLiteral(":id"), id);
    return query.exec();
}

int GameRecordDao::highestScore(const QString &modeId)
{
    QSqlQuery query(DatabaseConnection::database());
    if (modeId.isEmpty()) {
        query.prepare(QLatin1String(kHighestScoreOfAll));
    } else {
        query.prepare(QLatin1String(kHighestScoreOfMode));
        query.bindValue(QStringLiteral(":mode_id"), modeId);
    }
    if (query.exec() && query.next())
        return query.value(0).toInt();
    qWarning() << "[GameRecordDao] highest score failed:" << query.lastError().text();
    return -1;
}

GameRecord *GameRecordDao::findById(const QString &id, bool *ok)
{
    QSqlQuery query(DatabaseConnection::database());
    query.prepare(QLatin1String(kFindById));
    query.bindValue(QStringLiteral(":id"), id);
    const bool executed = query.exec();
    if (ok)
        *ok = executed;
    if (executed && query.next())
        return recordFromQuery(query);
    return nullptr;
}

QList<GameRecord *> GameRecordDao::findAll(const QString &modeId)
{
    QList<GameRecord *> records;
    QSqlQuery query(DatabaseConnection::database());
    query.setForwardOnly(true);
    const bool prepared
            = query.prepare(QLatin1String(modeId.isEmpty() ? kFindAll : kFindAllOfMode));
    if (!modeId.isEmpty())
        query.bindValue(QStringLiteral(":mode_id"), modeId);
    // A statement that did not prepare keeps its error; exec would replace it.
    if (!prepared || !query.exec()) {
        // The caller still gets an empty list; without this line a locked
        // or damaged database would look like a player without runs.
        qWarning() << "[GameRecordDao] find all failed:" << query.lastError().text();
        return records;
    }
    while (query.next())
        records.append(recordFromQuery(query));
    return records;
}

QVariant GameRecordDao::latestDeathPosition(const QString &modeId)
{
    QSqlQuery query(DatabaseConnection::database());
    query.prepare(QLatin1String(kLatestDeathPosition));
    query.bindValue(QStringLiteral(":mode_id"), modeId);
    if (!query.exec()) {
        qWarning() << "[GameRecordDao] latest death position failed:" << query.lastError().text();
        return QVariant();
    }
    if (!query.next() || query.isNull(0) || query.isNull(1))
        return QVariant();
    QVariantMap position;
    position.insert(QStringLiteral("y"), query.value(0));
    position.insert(QStringLiteral("x"), query.value(1));
    return position;
}

GameRecord *GameRecordDao::recordFromQuery(const QSqlQuery &query)
{
    const QSqlRecord row = query.record();
    auto value
            = [&](const char *column) { return query.value(row.indexOf(QLatin1String(column))); };

    auto *record = new GameRecord(this);
    record->setComponentId(value("id").toString());
    record->setModeId(value("mode_id").toString());
    record->setScore(value("score").toInt());
    record->setJumpCount(value("jump_count").toInt());
    record->setMaxSectionJumpCount(value("max_section_jump_count").toInt());
    record->setWallCollisionCount(value("wall_collision_count").toInt());
    record->setBlockCollisionCount(value("block_collision_count").toInt());
    // The driver reports NULL as a null text variant; hand on a plain null value.
    const QVariant y = value("death_world_y");
    const QVariant x = value("death_world_x");
    record->setDeathWorldY(y.isNull() ? QVariant() : y);
    record->setDeathWorldX(x.isNull() ? QVariant() : x);
    record->setEndReason(value("end_reason").toString());
    record->setStartedAt(value("started_at").toString());
    record->setEndedAt(value("ended_at").toString());
    record->setCreatedAt(value("created_at").toString());
    record->setUpdatedAt(value("updated_at").toString());
    return record;
}

#include "storage/gamerecorddao.h"

#include "storage/databaseconnection.h"
#include "storage/gamerecord.h"
#include "storage/sqltext.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariantMap>

namespace {

// clang-format off
const char kInsert[] = R"(
    INSERT INTO game_records (id, mode_id, score, jump_count, max_section_jump_count,
        wall_collision_count, block_collision_count, death_world_y, death_world_x, end_reason,
        started_at, ended_at, created_at, updated_at)
    VALUES (:id, :mode_id, :score, :jump_count, :max_section_jump_count,
        :wall_collision_count, :block_collision_count, :death_world_y, :death_world_x, :end_reason,
        :started_at, :ended_at, :created_at, :updated_at))";
const char kUpdate[] = R"(
    UPDATE game_records SET mode_id=:mode_id, score=:score, jump_count=:jump_count,
        max_section_jump_count=:max_section_jump_count,
        wall_collision_count=:wall_collision_count,
        block_collision_count=:block_collision_count,
        death_world_y=:death_world_y, death_world_x=:death_world_x,
        end_reason=:end_reason, started_at=:started_at, ended_at=:ended_at,
        updated_at=:updated_at
    WHERE id=:id)";
const char kDelete[] = R"(
    DELETE FROM game_records WHERE id=:id)";
const char kHighestScoreOfMode[] = R"(
    SELECT COALESCE(MAX(score), 0) FROM game_records WHERE mode_id=:mode_id)";
const char kHighestScoreOfAll[] = R"(
    SELECT COALESCE(MAX(score), 0) FROM game_records)";
const char kFindById[] = R"(
    SELECT * FROM game_records WHERE id=:id)";
const char kFindAllOfMode[] = R"(
    SELECT * FROM game_records WHERE mode_id=:mode_id ORDER BY created_at DESC)";
const char kFindAll[] = R"(
    SELECT * FROM game_records ORDER BY created_at DESC)";
const char kLatestDeathPosition[] = R"(
    SELECT death_world_y, death_world_x FROM game_records
    WHERE mode_id=:mode_id
    ORDER BY rowid DESC LIMIT 1)";
// clang-format on

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
    query.prepare(SqlText::statement(kInsert));
    bindValues(query, record);
    // Each stamp reads the clock on its own, so the two can differ by a
    // second across a tick. Rows stored so far were written this way and
    // nothing compares the two columns; one shared reading would be no fix
    // worth a difference between old and new rows.
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
    query.prepare(SqlText::statement(kUpdate));
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
    query.prepare(SqlText::statement(kDelete));
    query.bindValue(QStringLiteral(":id"), id);
    return query.exec();
}

int GameRecordDao::highestScore(const QString &modeId)
{
    QSqlQuery query(DatabaseConnection::database());
    if (modeId.isEmpty()) {
        query.prepare(SqlText::statement(kHighestScoreOfAll));
    } else {
        query.prepare(SqlText::statement(kHighestScoreOfMode));
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
    query.prepare(SqlText::statement(kFindById));
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
    if (modeId.isEmpty()) {
        query.prepare(SqlText::statement(kFindAll));
    } else {
        query.prepare(SqlText::statement(kFindAllOfMode));
        query.bindValue(QStringLiteral(":mode_id"), modeId);
    }
    if (!query.exec())
        return records;
    while (query.next())
        records.append(recordFromQuery(query));
    return records;
}

QVariant GameRecordDao::latestDeathPosition(const QString &modeId)
{
    QSqlQuery query(DatabaseConnection::database());
    query.prepare(SqlText::statement(kLatestDeathPosition));
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

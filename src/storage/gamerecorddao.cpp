#include "storage/gamerecorddao.h"

#include "storage/databaseconnection.h"
#include "storage/gamerecord.h"
#include "storage/preparedstatement.h"
#include "storage/runtotals.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariantMap>
#include <QVector>

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
// The lists as above, every text column read as its bytes: Qt's driver asks
// SQLite for UTF-16, and SQLite converts each value into a buffer of its own
// first, a fifth of a list of ten thousand runs; Qt's decoder takes the bytes
// for less. Only for a file that stores UTF-8 (every file this program
// creates) and a table with all the columns; otherwise the statements above.
// The order names the table's column, not the bytes, so the index on
// (mode_id, created_at) still gives it.
const char kFindAllOfModeAsBytes[] = R"(
    SELECT CAST(id AS BLOB) AS id, CAST(mode_id AS BLOB) AS mode_id, score, jump_count,
        max_section_jump_count, wall_collision_count, block_collision_count, death_world_y,
        death_world_x, CAST(end_reason AS BLOB) AS end_reason,
        CAST(started_at AS BLOB) AS started_at, CAST(ended_at AS BLOB) AS ended_at,
        CAST(created_at AS BLOB) AS created_at, CAST(updated_at AS BLOB) AS updated_at
    FROM game_records WHERE mode_id=:mode_id ORDER BY game_records.created_at DESC)";
const char kFindAllAsBytes[] = R"(
    SELECT CAST(id AS BLOB) AS id, CAST(mode_id AS BLOB) AS mode_id, score, jump_count,
        max_section_jump_count, wall_collision_count, block_collision_count, death_world_y,
        death_world_x, CAST(end_reason AS BLOB) AS end_reason,
        CAST(started_at AS BLOB) AS started_at, CAST(ended_at AS BLOB) AS ended_at,
        CAST(created_at AS BLOB) AS created_at, CAST(updated_at AS BLOB) AS updated_at
    FROM game_records ORDER BY game_records.created_at DESC)";
const char kEncoding[] = "PRAGMA encoding";
// With the per-mode totals (see RunTotals): the best score without a scan.
const char kBestOfModeFromTotals[] = R"(
    SELECT COALESCE(MAX(best_score), 0) FROM game_record_totals WHERE mode_id=:mode_id)";
const char kBestOfAllFromTotals[] = R"(
    SELECT COALESCE(MAX(best_score), 0) FROM game_record_totals)";
// A page of runs, newest first, after the last row of the previous page; ties
// in created_at go by insertion, so pages neither skip nor repeat a run.
const char kFirstPageOfMode[] = R"(
    SELECT rowid AS position, * FROM game_records
    WHERE mode_id=:mode_id
    ORDER BY created_at DESC, rowid DESC LIMIT :limit)";
const char kNextPageOfMode[] = R"(
    SELECT rowid AS position, * FROM game_records
    WHERE mode_id=:mode_id AND created_at<=:created_at
        AND (created_at<:created_at OR rowid<:position)
    ORDER BY created_at DESC, rowid DESC LIMIT :limit)";
const char kFirstPage[] = R"(
    SELECT rowid AS position, * FROM game_records
    ORDER BY created_at DESC, rowid DESC LIMIT :limit)";
const char kNextPage[] = R"(
    SELECT rowid AS position, * FROM game_records
    WHERE created_at<=:created_at AND (created_at<:created_at OR rowid<:position)
    ORDER BY created_at DESC, rowid DESC LIMIT :limit)";
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

// The column positions of a game_records row, looked up once per query rather
// than by name for every value of every row.
struct Columns
{
    explicit Columns(const QSqlRecord &row)
        : id(row.indexOf(QStringLiteral("id")))
        , modeId(row.indexOf(QStringLiteral("mode_id")))
        , score(row.indexOf(QStringLiteral("score")))
        , jumpCount(row.indexOf(QStringLiteral("jump_count")))
        , maxSectionJumpCount(row.indexOf(QStringLiteral("max_section_jump_count")))
        , wallCollisionCount(row.indexOf(QStringLiteral("wall_collision_count")))
        , blockCollisionCount(row.indexOf(QStringLiteral("block_collision_count")))
        , deathWorldY(row.indexOf(QStringLiteral("death_world_y")))
        , deathWorldX(row.indexOf(QStringLiteral("death_world_x")))
        , endReason(row.indexOf(QStringLiteral("end_reason")))
        , startedAt(row.indexOf(QStringLiteral("started_at")))
        , endedAt(row.indexOf(QStringLiteral("ended_at")))
        , createdAt(row.indexOf(QStringLiteral("created_at")))
        , updatedAt(row.indexOf(QStringLiteral("updated_at")))
    { }

    const int id, modeId, score, jumpCount, maxSectionJumpCount, wallCollisionCount,
            blockCollisionCount, deathWorldY, deathWorldX, endReason, startedAt, endedAt, createdAt,
            updatedAt;
};

// The driver reports NULL as a null text variant; hand on a plain null value.
QVariant position(const QVariant &value)
{
    return value.isNull() ? QVariant() : value;
}

// Whether Qt's decoding of a text column's bytes is the text the driver
// gives. Where the bytes are not UTF-8 (half a surrogate pair, a stray byte),
// SQLite and Qt each repair them their own way; SQLite also replaces U+FFFE
// and U+FFFF, Qt drops a leading byte order mark, and a BLOB in the column
// ends at its first NUL when the driver's variant is converted. Qt marks what
// it repairs with U+FFFD, so a text that holds none of these is the same.
bool decodedAlike(const QByteArray &bytes, const QString &text)
{
    bool ascii = true;
    for (const char byte : bytes) {
        if (byte == '\0')
            return false;
        ascii = ascii && uchar(byte) < 0x80;
    }
    if (ascii)
        return true;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return false;
    for (const QChar c : text) {
        if (c.unicode() >= 0xFFFD)
            return false;
    }
    return true;
}

// A text column's value as QVariant::toString would give it, the driver's own
// variant when it already holds text (SQLite may hold any type in any column).
// Read as bytes, the value is their text; doubtful is set where that may
// differ from the driver's.
QVariant textValue(const QSqlQuery &query, int column, bool asBytes, bool &doubtful)
{
    const QVariant value = query.value(column);
    if (value.userType() == QMetaType::QString)
        return value;
    if (asBytes && value.userType() == QMetaType::QByteArray) {
        const QByteArray bytes = value.toByteArray();
        const QString text = QString::fromUtf8(bytes.constData(), bytes.size());
        doubtful = doubtful || !decodedAlike(bytes, text);
        return text;
    }
    return value.toString();
}

// Texts that recur from row to row (a mode, an end reason) kept once per
// list: a repeat shares the kept string, so ten thousand rows hold a few
// copies instead of one each. A null and an empty text compare equal as
// strings, so nulls are left as they come.
class Recurring
{
public:
    QVariant operator()(const QVariant &value)
    {
        if (value.isNull())
            return value;
        for (const QVariant &kept : seen) {
            if (kept == value)
                return kept;
        }
        if (seen.size() < 8)
            seen.append(value);
        return value;
    }

private:
    QVector<QVariant> seen;
};

// Whether the file keeps its text as UTF-8, read each time: a file put in
// place of the old one may have been created otherwise.
bool storesUtf8()
{
    PreparedStatement encoding(kEncoding);
    return encoding->exec() && encoding->next()
            && encoding->value(0).toString() == QLatin1String("UTF-8");
}

// The record map's keys, each with no value yet: the record's property names.
// Literals: copying them into every map counts no references.
QVariantMap keysOfARecord()
{
    return QVariantMap{{QStringLiteral("blockCollisionCount"), QVariant()},
                       {QStringLiteral("componentId"), QVariant()},
                       {QStringLiteral("createdAt"), QVariant()},
                       {QStringLiteral("deathWorldX"), QVariant()},
                       {QStringLiteral("deathWorldY"), QVariant()},
                       {QStringLiteral("endReason"), QVariant()},
                       {QStringLiteral("endedAt"), QVariant()},
                       {QStringLiteral("jumpCount"), QVariant()},
                       {QStringLiteral("maxSectionJumpCount"), QVariant()},
                       {QStringLiteral("modeId"), QVariant()},
                       {QStringLiteral("score"), QVariant()},
                       {QStringLiteral("startedAt"), QVariant()},
                       {QStringLiteral("updatedAt"), QVariant()},
                       {QStringLiteral("wallCollisionCount"), QVariant()}};
}

// The current row as a record map, each value of the type the record's own
// accessor gives. Every map starts as a copy of one map of the keys: copying
// a tree costs no key comparison and no rebalancing, which inserting does,
// and with ten thousand rows that shows. The values are then set in the
// keys' order, which QMap keeps sorted.
QVariantMap rowMap(const QSqlQuery &query, const Columns &c, bool asBytes, bool &doubtful,
                   Recurring &modes, Recurring &reasons)
{
    static const QVariantMap shape = keysOfARecord();
    QVariantMap map = shape;
    QVariantMap::iterator value = map.begin(); // the copy is made here
    *value++ = query.value(c.blockCollisionCount).toInt();
    const QVariant createdAt = textValue(query, c.createdAt, asBytes, doubtful);
    *value++ = textValue(query, c.id, asBytes, doubtful); // componentId
    *value++ = createdAt;
    *value++ = position(query.value(c.deathWorldX));
    *value++ = position(query.value(c.deathWorldY));
    *value++ = reasons(textValue(query, c.endReason, asBytes, doubtful));
    *value++ = textValue(query, c.endedAt, asBytes, doubtful);
    *value++ = query.value(c.jumpCount).toInt();
    *value++ = query.value(c.maxSectionJumpCount).toInt();
    *value++ = modes(textValue(query, c.modeId, asBytes, doubtful));
    *value++ = query.value(c.score).toInt();
    *value++ = textValue(query, c.startedAt, asBytes, doubtful);
    // A run never updated carries its creation stamp twice: one string.
    const QVariant updatedAt = textValue(query, c.updatedAt, asBytes, doubtful);
    const bool same = updatedAt.isNull() == createdAt.isNull() && updatedAt == createdAt;
    *value++ = same ? createdAt : updatedAt;
    *value = query.value(c.wallCollisionCount).toInt();
    return map;
}

} // namespace

GameRecordDao::GameRecordDao(QObject *parent)
    : QObject(parent)
{ }

bool GameRecordDao::insert(GameRecord *record)
{
    if (!record)
        return false;
    PreparedStatement insert(kInsert);
    bindValues(insert.query(), record);
    // Each stamp reads the clock on its own, so the two can differ by a
    // second across a tick. Rows stored so far were written this way and
    // nothing compares the two columns; one shared reading would be no fix
    // worth a difference between old and new rows.
    insert->bindValue(QStringLiteral(":created_at"),
                      record->createdAt().isEmpty() ? DatabaseConnection::timestamp()
                                                    : record->createdAt());
    insert->bindValue(QStringLiteral(":updated_at"),
                      record->updatedAt().isEmpty() ? DatabaseConnection::timestamp()
                                                    : record->updatedAt());
    if (!insert->exec()) {
        qWarning() << "[GameRecordDao] insert failed:" << insert->lastError().text();
        return false;
    }
    return true;
}

bool GameRecordDao::update(GameRecord *record)
{
    if (!record)
        return false;
    PreparedStatement update(kUpdate);
    bindValues(update.query(), record);
    update->bindValue(QStringLiteral(":updated_at"), DatabaseConnection::timestamp());
    if (!update->exec()) {
        qWarning() << "[GameRecordDao] update failed:" << update->lastError().text();
        return false;
    }
    return update->numRowsAffected() > 0;
}

bool GameRecordDao::remove(const QString &id)
{
    PreparedStatement remove(kDelete);
    remove->bindValue(QStringLiteral(":id"), id);
    return remove->exec();
}

int GameRecordDao::highestScore(const QString &modeId)
{
    const bool totals = RunTotals::available();
    PreparedStatement best(modeId.isEmpty()
                                   ? (totals ? kBestOfAllFromTotals : kHighestScoreOfAll)
                                   : (totals ? kBestOfModeFromTotals : kHighestScoreOfMode));
    if (!modeId.isEmpty())
        best->bindValue(QStringLiteral(":mode_id"), modeId);
    if (best->exec() && best->next())
        return best->value(0).toInt();
    qWarning() << "[GameRecordDao] highest score failed:" << best->lastError().text();
    return -1;
}

GameRecord *GameRecordDao::findById(const QString &id, bool *ok)
{
    PreparedStatement find(kFindById);
    find->bindValue(QStringLiteral(":id"), id);
    const bool executed = find->exec();
    if (ok)
        *ok = executed;
    if (executed && find->next())
        return recordFromQuery(find.query());
    return nullptr;
}

QList<GameRecord *> GameRecordDao::findAll(const QString &modeId)
{
    QList<GameRecord *> records;
    PreparedStatement find(modeId.isEmpty() ? kFindAll : kFindAllOfMode);
    if (!modeId.isEmpty())
        find->bindValue(QStringLiteral(":mode_id"), modeId);
    // A statement that did not prepare keeps its error; exec would replace it.
    if (!find.isPrepared() || !find->exec()) {
        // The caller still gets an empty list; without this line a locked
        // or damaged database would look like a player without runs.
        qWarning() << "[GameRecordDao] find all failed:" << find->lastError().text();
        return records;
    }
    while (find->next())
        records.append(recordFromQuery(find.query()));
    return records;
}

QVariantList GameRecordDao::findAllMaps(const QString &modeId)
{
    QVariantList maps;
    // As bytes where the file stores UTF-8; the driver's way where the table
    // is an earlier one lacking some of the columns named, or where a text
    // read as bytes may not be the driver's.
    for (bool asBytes = storesUtf8();; asBytes = false) {
        PreparedStatement find(
                asBytes ? (modeId.isEmpty() ? kFindAllAsBytes : kFindAllOfModeAsBytes)
                        : (modeId.isEmpty() ? kFindAll : kFindAllOfMode));
        if (asBytes && !find.isPrepared())
            continue;
        if (!modeId.isEmpty())
            find->bindValue(QStringLiteral(":mode_id"), modeId);
        if (!find.isPrepared() || !find->exec()) {
            qWarning() << "[GameRecordDao] find all failed:" << find->lastError().text();
            return maps;
        }
        const Columns columns(find->record());
        Recurring modes;
        Recurring reasons;
        bool doubtful = false;
        while (!doubtful && find->next())
            maps.append(rowMap(find.query(), columns, asBytes, doubtful, modes, reasons));
        if (!doubtful)
            return maps;
        maps.clear();
    }
}

QVariantList GameRecordDao::findPage(const QString &modeId, int limit, PageCursor &after)
{
    QVariantList maps;
    const bool first = after.position < 0;
    PreparedStatement find(modeId.isEmpty() ? (first ? kFirstPage : kNextPage)
                                            : (first ? kFirstPageOfMode : kNextPageOfMode));
    if (!modeId.isEmpty())
        find->bindValue(QStringLiteral(":mode_id"), modeId);
    if (!first) {
        find->bindValue(QStringLiteral(":created_at"), after.createdAt);
        find->bindValue(QStringLiteral(":position"), after.position);
    }
    find->bindValue(QStringLiteral(":limit"), limit);
    if (!find->exec())
        return maps;
    const Columns columns(find->record());
    Recurring modes;
    Recurring reasons;
    const int position = find->record().indexOf(QStringLiteral("position"));
    bool doubtful = false; // not read as bytes
    while (find->next()) {
        maps.append(rowMap(find.query(), columns, false, doubtful, modes, reasons));
        after.position = find->value(position).toLongLong();
        after.createdAt = find->value(columns.createdAt).toString();
    }
    return maps;
}

QVariant GameRecordDao::latestDeathPosition(const QString &modeId)
{
    PreparedStatement latest(kLatestDeathPosition);
    latest->bindValue(QStringLiteral(":mode_id"), modeId);
    if (!latest->exec()) {
        qWarning() << "[GameRecordDao] latest death position failed:" << latest->lastError().text();
        return QVariant();
    }
    if (!latest->next() || latest->isNull(0) || latest->isNull(1))
        return QVariant();
    QVariantMap position;
    position.insert(QStringLiteral("y"), latest->value(0));
    position.insert(QStringLiteral("x"), latest->value(1));
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
    record->setDeathWorldY(position(value("death_world_y")));
    record->setDeathWorldX(position(value("death_world_x")));
    record->setEndReason(value("end_reason").toString());
    record->setStartedAt(value("started_at").toString());
    record->setEndedAt(value("ended_at").toString());
    record->setCreatedAt(value("created_at").toString());
    record->setUpdatedAt(value("updated_at").toString());
    return record;
}

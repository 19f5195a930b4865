#include "storage/replaydao.h"

#include "storage/preparedstatement.h"
#include "storage/sqltext.h"
#include "storage/writetransaction.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// The run's id is declared as referring to the run; SQLite does not enforce
// that here (foreign keys stay off), so the trigger below keeps the two
// together instead, and the settlement writes both in one transaction.
// clang-format off
const char kCreateTable[] = R"(
    CREATE TABLE IF NOT EXISTS game_replay (
        run_id TEXT PRIMARY KEY NOT NULL REFERENCES game_records(id),
        rules INTEGER NOT NULL CHECK(rules>0),
        replay BLOB NOT NULL
    ))";
const char kCreateTrigger[] = R"(
    CREATE TRIGGER IF NOT EXISTS game_replay_delete AFTER DELETE ON game_records
    BEGIN DELETE FROM game_replay WHERE run_id=OLD.id; END)";
const char kCountObjects[] = R"(
    SELECT COUNT(*) FROM sqlite_master WHERE name IN ('game_replay', 'game_replay_delete'))";
const int kObjectCount = 2;

const char kInsert[] = R"(
    INSERT OR IGNORE INTO game_replay (run_id, rules, replay) VALUES (:run_id, :rules, :replay))";
const char kFind[] = R"(
    SELECT replay FROM game_replay WHERE run_id=:run_id)";
const char kExists[] = R"(
    SELECT 1 FROM game_replay WHERE run_id=:run_id)";
const char kBestWithReplay[] = R"(
    SELECT r.id FROM game_records r JOIN game_replay p ON p.run_id=r.id
    WHERE r.mode_id=:mode_id AND r.started_at>=:from AND r.started_at<:until
    ORDER BY r.score DESC, r.rowid LIMIT :limit)";
// clang-format on

int objectCount(QSqlQuery &query)
{
    if (!query.exec(SqlText::statement(kCountObjects)) || !query.next())
        return -1;
    const int count = query.value(0).toInt();
    query.finish();
    return count;
}

} // namespace

ReplayDao::ReplayDao(QObject *parent)
    : QObject(parent)
{ }

bool ReplayDao::install(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (objectCount(query) == kObjectCount)
        return true;
    WriteTransaction transaction(db);
    bool ok = transaction.isActive() && objectCount(query) >= 0
            && query.exec(SqlText::definition(kCreateTable))
            && query.exec(SqlText::statement(kCreateTrigger));
    const QString error = ok ? QString() : query.lastError().text();
    if (ok && !transaction.commit()) {
        ok = false;
        qWarning() << "[ReplayDao] replays unavailable, runs are stored without them:"
                   << transaction.lastError();
    } else if (!ok) {
        qWarning() << "[ReplayDao] replays unavailable, runs are stored without them:"
                   << (error.isEmpty() ? transaction.lastError() : error);
    }
    return ok;
}

bool ReplayDao::insert(const QString &runId, quint32 rules, const QByteArray &bytes)
{
    PreparedStatement insert(kInsert);
    insert->bindValue(QStringLiteral(":run_id"), runId);
    insert->bindValue(QStringLiteral(":rules"), qint64(rules));
    insert->bindValue(QStringLiteral(":replay"), bytes);
    if (!insert->exec()) {
        qWarning() << "[ReplayDao] insert failed:" << insert->lastError().text();
        return false;
    }
    return true;
}

QByteArray ReplayDao::find(const QString &runId)
{
    PreparedStatement find(kFind);
    find->bindValue(QStringLiteral(":run_id"), runId);
    if (find->exec() && find->next())
        return find->value(0).toByteArray();
    return QByteArray();
}

bool ReplayDao::exists(const QString &runId)
{
    PreparedStatement exists(kExists);
    exists->bindValue(QStringLiteral(":run_id"), runId);
    return exists->exec() && exists->next();
}

QStringList ReplayDao::bestWithReplay(const QString &modeId, const QString &from,
                                      const QString &until, int limit)
{
    QStringList ids;
    PreparedStatement best(kBestWithReplay);
    best->bindValue(QStringLiteral(":mode_id"), modeId);
    best->bindValue(QStringLiteral(":from"), from);
    best->bindValue(QStringLiteral(":until"), until);
    best->bindValue(QStringLiteral(":limit"), limit);
    if (!best->exec())
        return ids;
    while (best->next())
        ids << best->value(0).toString();
    return ids;
}

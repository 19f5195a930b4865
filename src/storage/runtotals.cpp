#include "storage/runtotals.h"

#include "storage/sqltext.h"
#include "storage/writetransaction.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// clang-format off
const char kCreateTotals[] = R"(
    CREATE TABLE IF NOT EXISTS game_record_totals (
        mode_id TEXT PRIMARY KEY NOT NULL,
        run_count INTEGER NOT NULL DEFAULT 0,
        total_score INTEGER NOT NULL DEFAULT 0,
        total_collisions INTEGER NOT NULL DEFAULT 0,
        best_score INTEGER
    ))";

// The recent runs of a mode, newest stored first, come straight off this
// index (it holds the rowid after the mode).
const char kIndexByMode[] = R"(
    CREATE INDEX IF NOT EXISTS game_records_by_mode ON game_records (mode_id))";
// A mode's runs, newest first, page by page.
const char kIndexByModeAndTime[] = R"(
    CREATE INDEX IF NOT EXISTS game_records_by_mode_and_time
    ON game_records (mode_id, created_at))";

// A run removed or changed takes its figures out of its mode; the best score
// is looked up again (by the index, and only on these rare writes). An
// INSERT OR REPLACE that replaced a run would not fire these (recursive
// triggers are off), so nothing here writes runs that way.
// The trigger bodies: a run's figures added to its mode, or taken out of it.
const char kAddNewRun[] = R"(
    INSERT OR IGNORE INTO game_record_totals (mode_id) VALUES (NEW.mode_id);
    UPDATE game_record_totals
    SET run_count=run_count+1,
        total_score=total_score+NEW.score,
        total_collisions=total_collisions+NEW.wall_collision_count+NEW.block_collision_count,
        best_score=MAX(COALESCE(best_score,NEW.score),NEW.score)
    WHERE mode_id=NEW.mode_id;)";
const char kTakeOutOldRun[] = R"(
    UPDATE game_record_totals
    SET run_count=run_count-1,
        total_score=total_score-OLD.score,
        total_collisions=total_collisions-OLD.wall_collision_count-OLD.block_collision_count,
        best_score=(SELECT MAX(score) FROM game_records WHERE mode_id=OLD.mode_id)
    WHERE mode_id=OLD.mode_id;)";
const char kCreateTrigger[] = R"(
    CREATE TRIGGER IF NOT EXISTS game_record_totals_%1 AFTER %2 ON game_records
    BEGIN %3 END)";

const char kCountObjects[] = R"(
    SELECT COUNT(*) FROM sqlite_master
    WHERE name IN ('game_record_totals', 'game_records_by_mode', 'game_records_by_mode_and_time',
                   'game_record_totals_insert', 'game_record_totals_delete',
                   'game_record_totals_update'))";
const int kObjectCount = 6;

const char kClearTotals[] = R"(
    DELETE FROM game_record_totals)";
const char kFillTotals[] = R"(
    INSERT INTO game_record_totals (mode_id, run_count, total_score, total_collisions, best_score)
    SELECT mode_id, COUNT(*), SUM(score), SUM(wall_collision_count+block_collision_count), MAX(score)
    FROM game_records
    GROUP BY mode_id)";
// clang-format on

thread_local bool usable = false;

int objectCount(QSqlQuery &query)
{
    if (!query.exec(SqlText::statement(kCountObjects)) || !query.next())
        return -1;
    const int count = query.value(0).toInt();
    query.finish();
    return count;
}

} // namespace

bool RunTotals::install(const QSqlDatabase &db)
{
    usable = false;
    QSqlQuery query(db);
    if (objectCount(query) == kObjectCount) {
        usable = true;
        return true;
    }

    // Counted again inside the transaction: the other thread may have added
    // them meanwhile. Totals that were not kept by all three triggers until
    // now (a trigger was missing) are filled afresh from the runs.
    WriteTransaction transaction(db);
    const int found = transaction.isActive() ? objectCount(query) : -1;
    bool ok = found >= 0;
    if (ok && found != kObjectCount) {
        for (const char *statement : {kIndexByMode, kIndexByModeAndTime}) {
            ok = ok && query.exec(SqlText::statement(statement));
        }
        ok = ok && query.exec(SqlText::definition(kCreateTotals));
        const QString trigger = SqlText::statement(kCreateTrigger);
        const QString add = SqlText::statement(kAddNewRun);
        const QString takeOut = SqlText::statement(kTakeOutOldRun);
        for (const QString &statement :
             {trigger.arg(QStringLiteral("insert"), QStringLiteral("INSERT"), add),
              trigger.arg(QStringLiteral("delete"), QStringLiteral("DELETE"), takeOut),
              trigger.arg(QStringLiteral("update"), QStringLiteral("UPDATE"), takeOut + ' ' + add),
              SqlText::statement(kClearTotals), SqlText::statement(kFillTotals)}) {
            ok = ok && query.exec(statement);
        }
    }
    if (!ok) {
        qWarning() << "[RunTotals] unavailable, runs are scanned instead:"
                   << query.lastError().text();
        return false;
    }
    if (!transaction.commit()) {
        qWarning() << "[RunTotals] unavailable, runs are scanned instead:"
                   << transaction.lastError();
        return false;
    }
    usable = true;
    return true;
}

bool RunTotals::check(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    usable = objectCount(query) == kObjectCount;
    return usable;
}

bool RunTotals::available()
{
    return usable;
}

void RunTotals::forget()
{
    usable = false;
}

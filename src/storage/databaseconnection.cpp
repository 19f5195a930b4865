#include "storage/databaseconnection.h"

#include "storage/databaseschema.h"
#include "storage/preparedstatement.h"
#include "storage/runtotals.h"
#include "storage/sqltext.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>

namespace {

const char kDriver[] = "QSQLITE";
const char kConnectOptions[] = "QSQLITE_BUSY_TIMEOUT=5000";
const char kFileName[] = "/harbour-hoplix.db";
const char kSchemaVersion[] = "PRAGMA schema_version";

// The schema version this thread's connection last made sure of; -1 for none.
thread_local int knownSchemaVersion = -1;

// Write-ahead logging: a commit appends to the log and syncs it once, so a
// run confirmed as settled survives a power cut, and readers on the other
// thread never wait for the writer. The mode is stored in the database file
// itself; a database created before in the rollback-journal mode is
// converted on first open, and any build of the program (with the same
// SQLite) opens a converted file unchanged, since SQLite reads the mode from
// the file.
const char kWriteAheadLog[] = "PRAGMA journal_mode=WAL";
// Every commit waits for the log to reach the disk, not only checkpoints.
const char kSyncFull[] = "PRAGMA synchronous=FULL";
// Where the log cannot be used (a file system without shared memory, a
// read-only file, a lock held past the busy timeout), the rollback journal
// stays; at this level SQLite also syncs the directory after the journal is
// deleted, so a power cut cannot bring the journal back to undo the commit.
// In write-ahead mode it acts as FULL.
const char kSyncExtra[] = "PRAGMA synchronous=EXTRA";
const char kQuickCheck[] = "PRAGMA quick_check";

// clang-format off
const char kCreateGameRecords[] = R"(
    CREATE TABLE IF NOT EXISTS game_records (
        id TEXT PRIMARY KEY NOT NULL,
        mode_id TEXT NOT NULL DEFAULT 'endless',
        score INTEGER NOT NULL DEFAULT 0,
        jump_count INTEGER NOT NULL DEFAULT 0,
        max_section_jump_count INTEGER NOT NULL DEFAULT 0,
        wall_collision_count INTEGER NOT NULL DEFAULT 0 CHECK(wall_collision_count>=0),
        block_collision_count INTEGER NOT NULL DEFAULT 0 CHECK(block_collision_count>=0),
        death_world_y REAL,
        death_world_x REAL,
        end_reason TEXT NOT NULL DEFAULT '',
        started_at TEXT NOT NULL DEFAULT '',
        ended_at TEXT NOT NULL DEFAULT '',
        created_at TEXT NOT NULL,
        updated_at TEXT NOT NULL
    ))";

const char kCreateSkins[] = R"(
    CREATE TABLE IF NOT EXISTS skins (
        id TEXT PRIMARY KEY NOT NULL,
        skin_id TEXT NOT NULL UNIQUE,
        skin_name TEXT NOT NULL,
        skin_path TEXT NOT NULL,
        is_unlocked INTEGER NOT NULL DEFAULT 0,
        is_selected INTEGER NOT NULL DEFAULT 0,
        created_at TEXT NOT NULL,
        updated_at TEXT NOT NULL
    ))";

const char kCreateAchievements[] = R"(
    CREATE TABLE IF NOT EXISTS achievements (
        id TEXT PRIMARY KEY NOT NULL,
        created_at TEXT NOT NULL,
        updated_at TEXT NOT NULL,
        code TEXT NOT NULL UNIQUE,
        condition_type INTEGER NOT NULL CHECK(condition_type BETWEEN 1 AND 8),
        target_value INTEGER NOT NULL CHECK(target_value>0),
        window_seconds INTEGER NOT NULL DEFAULT -1,
        parameters TEXT NOT NULL DEFAULT '{}',
        show_condition INTEGER NOT NULL DEFAULT 1 CHECK(show_condition IN (0,1)),
        notification_pending INTEGER NOT NULL DEFAULT 0 CHECK(notification_pending IN (0,1)),
        reward_skin_id TEXT UNIQUE REFERENCES skins(id),
        progress_value INTEGER NOT NULL DEFAULT 0 CHECK(progress_value>=0),
        is_enabled INTEGER NOT NULL DEFAULT 1 CHECK(is_enabled IN (0,1)),
        is_unlocked INTEGER NOT NULL DEFAULT 0 CHECK(is_unlocked IN (0,1)),
        unlocked_at TEXT,
        sort_order INTEGER NOT NULL DEFAULT 0,
        CHECK((condition_type=3 AND window_seconds>0) OR (condition_type<>3 AND window_seconds=-1)),
        CHECK((is_unlocked=0 AND unlocked_at IS NULL) OR (is_unlocked=1 AND unlocked_at IS NOT NULL))
    ))";
// clang-format on

} // namespace

QString DatabaseConnection::connectionName()
{
    // Asked for by every statement and transaction; a thread keeps its name.
    thread_local const QString name
            = QStringLiteral("hoplix_%1")
                      .arg(quint64(reinterpret_cast<quintptr>(QThread::currentThread())), 0, 16);
    return name;
}

QSqlDatabase DatabaseConnection::database()
{
    const QString name = connectionName();
    QSqlDatabase db;
    if (QSqlDatabase::contains(name))
        db = QSqlDatabase::database(name, false);
    if (db.isValid())
        return db;

    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
            + QStringLiteral("/db");
    QDir().mkpath(dir);
    db = QSqlDatabase::addDatabase(QLatin1String(kDriver), name);
    db.setConnectOptions(QLatin1String(kConnectOptions));
    db.setDatabaseName(dir + QLatin1String(kFileName));
    qDebug() << "[DatabaseConnection] database path:" << db.databaseName();
    return db;
}

bool DatabaseConnection::initialize()
{
    QSqlDatabase db = database();
    if (!db.isOpen()) {
        if (!db.open()) {
            qWarning() << "[DatabaseConnection] database open failed:" << db.lastError().text();
            return false;
        }
        // Closed again on failure, so the next call sets it up afresh rather
        // than write without knowing what reaches the disk.
        if (!setDurability(db)) {
            db.close();
            return false;
        }
    }

    // The tables are created once per connection, and again whenever the
    // schema changed since (another connection or program altered it, or the
    // file's content was replaced): SQLite bumps the schema version then.
    // That one read replaces three statements before every request.
    const int version = schemaVersion();
    if (version >= 0 && version == knownSchemaVersion)
        return true;

    QSqlQuery query(db);
    if (!query.exec(SqlText::definition(kCreateGameRecords))) {
        qWarning() << "[DatabaseConnection] game_records table failed:" << query.lastError().text();
        return false;
    }
    if (!query.exec(SqlText::definition(kCreateSkins))) {
        qWarning() << "[DatabaseConnection] skins table failed:" << query.lastError().text();
        return false;
    }
    if (!query.exec(SqlText::definition(kCreateAchievements))) {
        qWarning() << "[DatabaseConnection] achievements table failed:" << query.lastError().text();
        return false;
    }
    // The additions are optional: without them the runs are scanned.
    DatabaseSchema::upgrade(db);
    knownSchemaVersion = schemaVersion();
    return true;
}

int DatabaseConnection::schemaVersion()
{
    // Read before every request, so kept prepared like the requests' own
    // statements.
    PreparedStatement version(kSchemaVersion);
    if (!version.isPrepared() || !version->exec() || !version->next())
        return -1;
    return version->value(0).toInt();
}

bool DatabaseConnection::setDurability(const QSqlDatabase &db)
{
    // The change of mode needs the file to itself for a moment; when another
    // process holds it past the busy timeout, this connection goes on in the
    // mode the file has, and a later connection converts it.
    QSqlQuery query(db);
    const bool changed = query.exec(QLatin1String(kWriteAheadLog)) && query.next();
    const QString mode = changed ? query.value(0).toString() : QString();
    const bool writeAhead = mode.compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0;
    if (!changed)
        qWarning() << "[DatabaseConnection] journal mode failed:" << query.lastError().text();
    else if (!writeAhead)
        qWarning() << "[DatabaseConnection] write-ahead log unavailable, journal mode:" << mode;
    query.finish();
    if (!query.exec(QLatin1String(writeAhead ? kSyncFull : kSyncExtra))) {
        qWarning() << "[DatabaseConnection] sync mode failed:" << query.lastError().text();
        return false;
    }
    return true;
}

bool DatabaseConnection::checkForDamage()
{
    QSqlQuery query(database());
    if (!query.exec(QLatin1String(kQuickCheck))) {
        qWarning() << "[DatabaseConnection] quick check failed:" << query.lastError().text();
        return false;
    }
    QStringList findings;
    while (query.next())
        findings << query.value(0).toString();
    if (findings == QStringList(QStringLiteral("ok")))
        return true;
    qWarning() << "[DatabaseConnection] database damaged:" << findings.join(QStringLiteral("; "));
    return false;
}

void DatabaseConnection::closeConnection()
{
    const QString name = connectionName();
    if (!QSqlDatabase::contains(name))
        return;
    // Statements prepared on the connection go first: they cannot outlive it.
    PreparedStatement::releaseThreadStatements();
    RunTotals::forget();
    knownSchemaVersion = -1;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    // The handle above must be gone before the connection is unregistered.
    QSqlDatabase::removeDatabase(name);
}

QString DatabaseConnection::timestamp()
{
    // Formatting a date costs more than the statement that stores it, and a
    // settlement stamps a dozen rows within one second: each thread keeps
    // the text of the last second it formatted.
    thread_local qint64 lastSecond = -1;
    thread_local QString text;
    const qint64 msecs = QDateTime::currentMSecsSinceEpoch();
    const qint64 second = (msecs >= 0 ? msecs : msecs - 999) / 1000;
    if (second != lastSecond || text.isEmpty()) {
        text = QDateTime::fromMSecsSinceEpoch(second * 1000, Qt::UTC).toString(Qt::ISODate);
        lastSecond = second;
    }
    return text;
}

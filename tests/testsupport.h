#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

// Fixtures shared by every test program: a configuration directory of its
// own, direct SQL, a run to store, and the database check of the reliability
// programs.

#include "game/replay.h"
#include "game/runsnapshot.h"
#include "storage/databaseconnection.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Gives a test its own configuration directory (database and settings), and
// drops the calling thread's connection so the next one opens there.
class TestStorage
{
public:
    TestStorage()
    {
        // Names as the application sets them, so the configuration location
        // has the same shape as on a device.
        QCoreApplication::setOrganizationName(QStringLiteral("org.hoplix"));
        QCoreApplication::setApplicationName(QStringLiteral("harbour-Hoplix"));
        DatabaseConnection::closeConnection();
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    }
    ~TestStorage() { DatabaseConnection::closeConnection(); }

    QString path() const { return dir.path(); }
    static QString configLocation()
    {
        return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + QStringLiteral("/org.hoplix/")
                + QCoreApplication::applicationName();
    }
    static QString databasePath() { return configLocation() + "/db/harbour-hoplix.db"; }

private:
    QTemporaryDir dir;
};

// Runs one statement on a connection (the calling thread's by default).
inline QSqlQuery sql(const QString &text, const QVariantList &values = QVariantList(),
                     const QSqlDatabase &db = DatabaseConnection::database())
{
    QSqlQuery query(db);
    query.prepare(text);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        qWarning("sql failed: %s: %s", qPrintable(text), qPrintable(query.lastError().text()));
    return query;
}

// The first column of the first row, as text.
inline QString sqlText(const QString &text, const QVariantList &values = QVariantList())
{
    QSqlQuery query = sql(text, values);
    return query.next() ? query.value(0).toString() : QString();
}

// A finished run as the front end hands it over.
inline QVariantMap runSnapshot(const QVariant &id, const QVariant &score,
                               const QString &modeId = QStringLiteral("endless"),
                               const QString &endReason = QStringLiteral("wall"))
{
    using namespace RunSnapshot;
    return {{Id, id},
            {ModeId, modeId},
            {Score, score},
            {EndReason, endReason},
            {StartedAt, "s"},
            {EndedAt, "e"},
            {DeathWorldY, 1.5},
            {DeathWorldX, -2.0},
            {JumpCount, 7},
            {MaxSectionJumpCount, 3},
            {WallCollisionCount, 1},
            {BlockCollisionCount, 2}};
}

// A run as the game records it, with its replay: a tap every 25 steps on
// the seed's tower, left by the player after the last one (unless it ended).
inline QVariantMap replayedRun(const QString &id, quint64 seed, int taps = 24)
{
    Replay replay;
    replay.modeId = QStringLiteral("endless");
    replay.seed = seed;
    for (int i = 0; i < taps; ++i)
        replay.taps.append({1 + 25 * i, qint8(i % 3 ? 1 : -1)});
    replay.steps = 25 * taps + 10;
    replay.abandoned = true;
    RunSummary run = replay.replayed(id, QStringLiteral("s"), QStringLiteral("e"));
    run.hasReplay = true;
    run.replay = replay.encode();
    return run.toSnapshot();
}

// How many times a stress loop runs: the CI size, or scaled by HOPLIX_STRESS
// (a factor, also below 1 for the slow sanitizer builds; anything else: 10).
inline int stressScaled(int ciCount)
{
    const QByteArray stress = qgetenv("HOPLIX_STRESS");
    const double factor = stress.toDouble(); // 0 when it is no number
    return stress.isEmpty() ? ciCount : qMax(1, int(ciCount * (factor > 0 ? factor : 10)));
}

// The database file on a connection of its own, as the next process to open
// it would see it (a hot journal left by a killed writer is rolled back), and
// closed when done so no read lock outlives the check.
class DatabaseCheck
{
public:
    explicit DatabaseCheck(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        db.setDatabaseName(path);
        opened = db.open();
    }
    ~DatabaseCheck() { QSqlDatabase::removeDatabase(name); }

    QSqlQuery query(const QString &text, const QVariantList &values = {}) const
    {
        return sql(text, values, QSqlDatabase::database(name, false));
    }
    // Every row's first column as text; a check that cannot run is a problem, not a pass.
    QStringList texts(const QString &text, const QVariantList &values = {}) const
    {
        QSqlQuery rows = query(text, values);
        QStringList result(rows.isActive() ? QStringList() : QStringList("cannot run: " + text));
        while (rows.next())
            result << rows.value(0).toString();
        return result;
    }
    QString value(const QString &text, const QVariantList &values = {}) const
    {
        return texts(text, values).value(0);
    }

    // Every problem found, joined; empty when the database is sound. With
    // singleMode (all runs in one mode) the achievements that count over one
    // mode's runs are checked against the runs too.
    QString problems(bool singleMode) const
    {
        if (!opened)
            return QStringLiteral("cannot open the database");
        QStringList found = texts(QStringLiteral("PRAGMA integrity_check"));
        found.removeAll(QStringLiteral("ok"));
        found << texts("SELECT id||' stored twice' FROM game_records GROUP BY id HAVING COUNT(*)>1")
              << texts("SELECT 'catalogue incomplete' WHERE (SELECT COUNT(*) FROM achievements)<>8")
              // A half-written settlement would leave one without the other.
              << texts("SELECT a.code||' without its skin' FROM achievements a LEFT JOIN skins s "
                       "ON s.id=a.reward_skin_id WHERE a.is_unlocked AND a.reward_skin_id IS NOT "
                       "NULL AND NOT COALESCE(s.is_unlocked,0)")
              << texts("SELECT code||' unlocked below target' FROM achievements WHERE "
                       "is_unlocked AND progress_value<>target_value")
              << totalsProblem();
        // A locked achievement holds its figure of the runs clamped to its
        // target; an unlocked one needs the figure to have reached it, except
        // the streak, which may have broken since.
        const QStringList follows{
                "score_50,score_200,score_500", "SELECT MAX(score) FROM game_records",
                "stay_in_place", "SELECT MAX(max_section_jump_count) FROM game_records",
                // From here on over one mode's runs.
                "every_point_counts", "SELECT SUM(score) FROM game_records", "headstrong",
                "SELECT SUM(wall_collision_count+block_collision_count) FROM game_records",
                // Deaths scoring 0 to 10 since the last run that was not one.
                "practice_more",
                "SELECT COUNT(*) FROM (SELECT rowid FROM game_records ORDER BY rowid DESC LIMIT "
                "10) WHERE rowid>(SELECT COALESCE(MAX(rowid),0) FROM game_records WHERE "
                "end_reason='abandoned' OR score NOT BETWEEN 0 AND 10)"};
        for (int i = 0; i < (singleMode ? follows.size() : 4); i += 2) {
            found << texts(QStringLiteral("SELECT code||' progress '||progress_value||', runs say "
                                          "'||f FROM (SELECT *, COALESCE((%1),0) AS f FROM "
                                          "achievements WHERE instr(',%2,', ','||code||',')) "
                                          "WHERE CASE WHEN is_unlocked THEN f<target_value AND "
                                          "code<>'practice_more' ELSE "
                                          "progress_value<>MIN(f,target_value) END")
                                   .arg(follows.at(i + 1), follows.at(i)));
        }
        found.removeAll(QString());
        return found.join(QStringLiteral("; "));
    }

    // Where the per-mode run totals (when the file has them) differ from the
    // sums of the stored runs; empty when they agree.
    QString totalsProblem() const
    {
        if (value("SELECT COUNT(*) FROM sqlite_master WHERE name='game_record_totals'") != "1")
            return QString();
        const QString sums = value(
                "SELECT group_concat(f, ';') FROM (SELECT mode_id||':'||COUNT(*)||':'||SUM(score)"
                "||':'||SUM(wall_collision_count+block_collision_count)||':'||MAX(score) AS f "
                "FROM game_records GROUP BY mode_id ORDER BY mode_id)");
        const QString totals = value(
                "SELECT group_concat(f, ';') FROM (SELECT mode_id||':'||run_count||':'||"
                "total_score||':'||total_collisions||':'||best_score AS f FROM game_record_totals "
                "WHERE run_count<>0 OR best_score IS NOT NULL ORDER BY mode_id)");
        return sums == totals ? QString() : "totals " + totals + " but runs " + sums;
    }

private:
    const QString name = QStringLiteral("reliability_check");
    bool opened;
};

#endif // TESTSUPPORT_H

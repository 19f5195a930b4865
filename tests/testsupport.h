#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

// Fixtures shared by every test program: a configuration directory of its
// own, direct SQL, runs to store, threads, and the database check and child
// helpers of the reliability programs.

#include "storage/databaseconnection.h"

#include <QCoreApplication>
#include <QPair>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QVariantMap>

#include <functional>
#include <memory>

// Names as the application sets them, so the configuration location has the
// same shape as on a device.
inline void setTestApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("org.hoplix"));
    QCoreApplication::setApplicationName(QStringLiteral("harbour-Hoplix"));
}

// Gives a test its own configuration directory (database and settings), and
// drops the calling thread's connection so the next one opens there.
class TestStorage
{
public:
    TestStorage()
        : dir(new QTemporaryDir)
    {
        DatabaseConnection::closeConnection();
        qputenv("XDG_CONFIG_HOME", dir->path().toLocal8Bit());
    }
    ~TestStorage() { DatabaseConnection::closeConnection(); }

    QString path() const { return dir->path(); }
    static QString configLocation()
    {
        return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + QLatin1Char('/')
                + QCoreApplication::organizationName() + QLatin1Char('/')
                + QCoreApplication::applicationName();
    }
    static QString databasePath() { return configLocation() + "/db/harbour-hoplix.db"; }

private:
    std::unique_ptr<QTemporaryDir> dir;
};

// Runs one statement on a connection (the calling thread's by default); for
// arranging and inspecting rows directly.
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

inline QVariant sqlValue(const QString &text, const QVariantList &values = QVariantList())
{
    QSqlQuery query = sql(text, values);
    return query.next() ? query.value(0) : QVariant();
}

// A finished run as the front end hands it over.
inline QVariantMap runSnapshot(const QVariant &id, const QVariant &score,
                               const QString &modeId = QStringLiteral("endless"),
                               const QString &endReason = QStringLiteral("wall"))
{
    return {{"id", id},
            {"modeId", modeId},
            {"score", score},
            {"endReason", endReason},
            {"startedAt", "2025-01-31T08:00:00Z"},
            {"endedAt", "2025-01-31T08:05:09Z"},
            {"deathWorldY", 12.5},
            {"deathWorldX", -3.25},
            {"jumpCount", 7},
            {"maxSectionJumpCount", 3},
            {"wallCollisionCount", 1},
            {"blockCollisionCount", 2}};
}

// Runs work on a thread of its own, with a connection of its own that is
// closed before the thread ends.
class WorkThread : public QThread
{
public:
    explicit WorkThread(const std::function<bool()> &work)
        : work(work)
    { }
    // True when the thread finished in time and its work reported success.
    bool succeeded() { return wait(120000) && ok; }

private:
    void run() override
    {
        ok = work();
        DatabaseConnection::closeConnection();
    }
    std::function<bool()> work;
    bool ok = false;
};

inline bool onOtherThread(const std::function<bool()> &work)
{
    WorkThread thread(work);
    thread.start();
    return thread.succeeded();
}

// Runs work on the calling thread and, at the same time, on a new thread;
// true when both report success. The argument names the thread.
inline bool onTwoThreads(const std::function<bool(const QString &)> &work)
{
    WorkThread other([&] { return DatabaseConnection::initialize() && work("worker"); });
    other.start();
    const bool ok = work(QStringLiteral("gui"));
    return other.succeeded() && ok;
}

// --- For the reliability programs (tests/reliability/) ---

// How many times a stress loop runs: the CI size, or scaled when
// HOPLIX_STRESS is set (to a number, that factor, also below 1 for the slow
// sanitizer builds; to anything else, ten times).
inline int stressScaled(int ciCount)
{
    const QByteArray stress = qgetenv("HOPLIX_STRESS");
    if (stress.isEmpty())
        return ciCount;
    bool ok = false;
    const double factor = stress.toDouble(&ok);
    return qMax(1, int(ciCount * (ok && factor > 0 ? factor : 10)));
}

inline void ignoreMessages(QtMsgType, const QMessageLogContext &, const QString &) { }

// Opens the database file on a connection of its own, so the check sees
// exactly what the next process to open the file would see (a hot journal
// left by a killed writer is rolled back here), and closes it again when
// done so no read lock outlives the check.
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
    ~DatabaseCheck()
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }

    // Every row, each column as text. A check that cannot run is a problem,
    // not a pass.
    QList<QStringList> rows(const QString &text, const QVariantList &values = {}) const
    {
        QSqlQuery query(QSqlDatabase::database(name, false));
        query.prepare(text);
        for (const QVariant &v : values)
            query.addBindValue(v);
        if (!query.exec())
            return {QStringList(QStringLiteral("cannot run: ") + text)};
        QList<QStringList> result;
        while (query.next()) {
            result.append(QStringList());
            for (int i = 0; i < query.record().count(); ++i)
                result.last() << query.value(i).toString();
        }
        return result;
    }
    QStringList texts(const QString &text, const QVariantList &values = {}) const
    {
        QStringList result;
        for (const QStringList &row : rows(text, values))
            result << row.first();
        return result;
    }
    QString value(const QString &text, const QVariantList &values = QVariantList()) const
    {
        return texts(text, values).value(0);
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

    // Every problem found, joined; empty when the database is sound. With
    // singleMode (all runs in one mode) the achievements that count over one
    // mode's runs are checked too.
    QString problems(bool singleMode) const
    {
        if (!opened)
            return QStringLiteral("cannot open the database");
        QStringList found = texts(QStringLiteral("PRAGMA integrity_check"));
        if (found == QStringList(QStringLiteral("ok")))
            found.clear();
        const char *const checks[] = {
                "SELECT id||' stored twice' FROM game_records GROUP BY id HAVING COUNT(*)>1",
                "SELECT 'catalogue incomplete' WHERE (SELECT COUNT(*) FROM achievements)<>8",
                // A half-written settlement would leave one without the other.
                "SELECT a.code||' unlocked without its skin' FROM achievements a LEFT JOIN skins s "
                "ON s.id=a.reward_skin_id WHERE a.is_unlocked=1 AND a.reward_skin_id IS NOT NULL "
                "AND COALESCE(s.is_unlocked,0)=0",
                "SELECT code||' unlocked below target' FROM achievements WHERE is_unlocked=1 AND "
                "progress_value<>target_value"};
        for (const char *check : checks)
            found << texts(QLatin1String(check));
        found << totalsProblem();
        found.removeAll(QString());

        // Achievements following a figure of the stored runs: a locked one
        // holds the figure clamped to its target, an unlocked one needs the
        // figure to have reached it - except the streak, which may have
        // broken since.
        const QList<QPair<QString, QString>> follows{
                {"score_50,score_200,score_500", "SELECT MAX(score) FROM game_records"},
                {"stay_in_place", "SELECT MAX(max_section_jump_count) FROM game_records"},
                // From here on over one mode's runs.
                {"every_point_counts", "SELECT SUM(score) FROM game_records"},
                {"headstrong",
                 "SELECT SUM(wall_collision_count+block_collision_count) FROM game_records"},
                // Deaths scoring 0 to 10 since the last run that was not one.
                {"practice_more",
                 "SELECT COUNT(*) FROM (SELECT rowid FROM game_records ORDER BY rowid DESC "
                 "LIMIT 10) WHERE rowid>(SELECT COALESCE(MAX(rowid),0) FROM game_records WHERE "
                 "end_reason='abandoned' OR score NOT BETWEEN 0 AND 10)"}};
        for (const auto &follow : follows.mid(0, singleMode ? follows.size() : 2)) {
            found << texts(QStringLiteral("SELECT code||' progress '||progress_value||', runs say "
                                          "'||f FROM (SELECT *, COALESCE((%1),0) AS f FROM "
                                          "achievements WHERE instr(',%2,', ','||code||',')) "
                                          "WHERE CASE WHEN is_unlocked THEN f<target_value AND "
                                          "code<>'practice_more' ELSE "
                                          "progress_value<>MIN(f,target_value) END")
                                   .arg(follow.second, follow.first));
        }
        return found.join(QStringLiteral("; "));
    }

private:
    const QString name = QStringLiteral("reliability_check");
    bool opened;
};

// The helper child's environment: the given configuration directory.
inline QProcessEnvironment childEnvironment(const QString &configHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    return environment;
}

// Sorts the child's answers ("settled <id> <0|1>", "saved <id> <0|1>") by outcome.
inline void readAnswers(const QByteArray &output, QSet<QString> &succeeded, QSet<QString> &failed)
{
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 3)
            (words.at(2) == "1" ? succeeded : failed).insert(QString::fromLatin1(words.at(1)));
    }
}

#endif // TESTSUPPORT_H

// Prints the costs that matter to a player, each beside an anchor measured
// in the same run (absolute times on a shared machine drift; ratios travel),
// and whether each meets its goal:
//
//   1. settling a run, one at a time and in a burst, against bare SQLite
//      write transactions in the journal mode the application uses
//      (write-ahead log, synchronous=FULL) and in the rollback journal;
//   2. how settlement grows with the runs already stored;
//   3. how late a 16 ms GUI timer fires while the worker settles;
//   4. the synchronous record list with 10,000 runs, and its memory;
//   5. the Runs page opening with 10,000 runs;
//   6. ApplicationCore start-up;
//   7. the game's simulation against the frame budget and real time;
//   8. the game page's items and the process's memory over 100 runs;
//   9. replays (replaybench.cpp);
//  10. the front end's frames and CPU at rest and in play, its start-up and
//      what sound costs (framebench.cpp).
//
// Each benchmark gets its own temporary configuration directory.

#include "benchrows.h"

#include "achievements/achievementdao.h"
#include "achievements/achievementservice.h"
#include "app/applicationcore.h"
#include "app/qmltypes.h"
#include "game/gameautopilot.h"
#include "game/gamesession.h"
#include "game/gamesimulation.h"
#include "replaybench.h"
#include "storage/databaseconnection.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QtQml>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Row
{
    QString benchmark;
    QString figure;
    QString anchor;
    QString ratio;
};

std::vector<Row> rows;
QStringList goals;

// A goal line: met or not, with the ratio it was judged by.
void goal(const QString &what, double ratio, double limit, bool atMost = true)
{
    const bool met = atMost ? ratio <= limit : ratio >= limit;
    goals << QStringLiteral("- %1: %2 (goal %3 %4): %5")
                     .arg(what)
                     .arg(QString::number(ratio, 'f', 2) + QLatin1Char('x'))
                     .arg(atMost ? QStringLiteral("<=") : QStringLiteral(">="))
                     .arg(QString::number(limit, 'f', 2) + QLatin1Char('x'))
                     .arg(met ? QStringLiteral("met") : QStringLiteral("not met"));
}

QString ms(double nanoseconds)
{
    return QString::number(nanoseconds / 1e6, 'f', nanoseconds < 1e7 ? 2 : 1)
            + QStringLiteral(" ms");
}

QString times(double ratio)
{
    return QString::number(ratio, 'f', ratio < 10 ? 2 : 1) + QStringLiteral("x");
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t index
            = std::min(values.size() - 1, size_t(fraction * double(values.size() - 1) + 0.5));
    return values[index];
}

// A configuration directory of its own; the calling thread's connection is
// dropped so the next one opens there.
class Scratch
{
public:
    Scratch()
        : dir(new QTemporaryDir)
    {
        use();
    }
    ~Scratch() { DatabaseConnection::closeConnection(); }

    QString path() const { return dir->path(); }
    // Makes this directory the configuration directory again.
    void use() const
    {
        DatabaseConnection::closeConnection();
        qputenv("XDG_CONFIG_HOME", dir->path().toLocal8Bit());
    }
    static QString databasePath()
    {
        return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))
                + QStringLiteral("/org.hoplix/harbour-Hoplix/db/harbour-hoplix.db");
    }

    // Creates the schema and the catalogue the way the application does.
    static void prepare()
    {
        {
            ApplicationCore core;
        }
        DatabaseConnection::closeConnection();
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
};

bool execute(sqlite3 *db, const char *text)
{
    char *error = nullptr;
    if (sqlite3_exec(db, text, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "sqlite: %s: %s\n", text, error ? error : "?");
        sqlite3_free(error);
        return false;
    }
    return true;
}

// Stores runs straight through the C API in one transaction.
void prefill(const QString &path, const char *mode, int count)
{
    sqlite3 *db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    execute(db, "BEGIN IMMEDIATE");
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO game_records (id, mode_id, score, jump_count, "
                       "max_section_jump_count, wall_collision_count, block_collision_count, "
                       "death_world_y, death_world_x, end_reason, started_at, ended_at, "
                       "created_at, updated_at) VALUES (?1, ?2, ?3, ?4, 3, 0, 1, 12.5, 3.25, "
                       "'abandoned', '2025-01-31T08:05:09Z', '2025-01-31T08:06:09Z', "
                       "'2025-01-31T08:06:09Z', '2025-01-31T08:06:09Z')",
                       -1, &insert, nullptr);
    for (int i = 0; i < count; ++i) {
        const QByteArray id = QByteArray("pre-") + QByteArray::number(i);
        sqlite3_bind_text(insert, 1, id.constData(), id.size(), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, mode, -1, SQLITE_STATIC);
        sqlite3_bind_int(insert, 3, i % 40);
        sqlite3_bind_int(insert, 4, i % 90);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    execute(db, "COMMIT");
    sqlite3_close(db);
}

// The physical floor: bare write transactions, one row each, on the same
// disk: in the application's journal mode (write-ahead log, every commit
// synced), or in SQLite's default rollback journal, which the application
// used before. The disk of a shared machine drifts by the minute, so the
// floor is measured interleaved with what it anchors.
class Floor
{
public:
    enum Journal { WriteAheadLog, RollbackJournal };

    Floor(const QString &dir, Journal journal)
    {
        const QString path = dir
                + (journal == WriteAheadLog ? QStringLiteral("/floor-wal.db")
                                            : QStringLiteral("/floor-rollback.db"));
        QFile::remove(path);
        open(path, journal);
        execute(db, "CREATE TABLE t (id INTEGER PRIMARY KEY, v TEXT NOT NULL)");
        prepare("INSERT INTO t (v) VALUES ('2025-01-31T08:05:09Z')");
    }
    // SQLite alone on one of the application's files, opened as the
    // application opens it: its journal and sync mode, then the quick check
    // the worker runs at start-up. Each transaction stores one run.
    explicit Floor(const QString &databasePath)
    {
        open(databasePath, WriteAheadLog);
        execute(db, "PRAGMA quick_check");
        prepare("INSERT INTO game_records (id, mode_id, score, end_reason, created_at, "
                "updated_at) VALUES (hex(randomblob(16)), 'endless', 7, 'abandoned', "
                "'2025-01-31T08:06:09Z', '2025-01-31T08:06:09Z')");
    }
    ~Floor()
    {
        sqlite3_finalize(begin);
        sqlite3_finalize(insert);
        sqlite3_finalize(commit);
        sqlite3_close(db);
    }

    // Nanoseconds for this many transactions.
    double transactions(int count)
    {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < count; ++i) {
            sqlite3_step(begin);
            sqlite3_reset(begin);
            sqlite3_step(insert);
            sqlite3_reset(insert);
            if (sqlite3_step(commit) != SQLITE_DONE)
                std::fprintf(stderr, "floor commit failed: %s\n", sqlite3_errmsg(db));
            sqlite3_reset(commit);
        }
        return double(timer.nsecsElapsed());
    }

private:
    void open(const QString &path, Journal journal)
    {
        sqlite3_open(path.toUtf8().constData(), &db);
        if (journal == WriteAheadLog) {
            execute(db, "PRAGMA journal_mode=WAL");
            execute(db, "PRAGMA synchronous=FULL");
        }
    }
    void prepare(const char *insertText)
    {
        sqlite3_prepare_v2(db, "BEGIN IMMEDIATE", -1, &begin, nullptr);
        sqlite3_prepare_v2(db, insertText, -1, &insert, nullptr);
        sqlite3_prepare_v2(db, "COMMIT", -1, &commit, nullptr);
    }

    sqlite3 *db = nullptr;
    sqlite3_stmt *begin = nullptr;
    sqlite3_stmt *insert = nullptr;
    sqlite3_stmt *commit = nullptr;
};

int runCounter = 0;

QVariantMap run(const char *mode = "endless")
{
    ++runCounter;
    return {{QStringLiteral("id"), QStringLiteral("bench-%1").arg(runCounter)},
            {QStringLiteral("modeId"), QLatin1String(mode)},
            {QStringLiteral("score"), (runCounter * 7) % 45},
            {QStringLiteral("endReason"), QStringLiteral("abandoned")},
            {QStringLiteral("startedAt"), QStringLiteral("2025-01-31T08:05:09Z")},
            {QStringLiteral("endedAt"), QStringLiteral("2025-01-31T08:06:09Z")},
            {QStringLiteral("deathWorldY"), 120.5},
            {QStringLiteral("deathWorldX"), 33.0},
            {QStringLiteral("jumpCount"), 40},
            {QStringLiteral("maxSectionJumpCount"), runCounter % 20},
            {QStringLiteral("wallCollisionCount"), 0},
            {QStringLiteral("blockCollisionCount"), 0}};
}

// Submits runs and waits until every one has been answered.
double settleAll(ApplicationCore &core, const QList<QVariantMap> &runs)
{
    int remaining = runs.size();
    int failed = 0;
    QEventLoop loop;
    const QMetaObject::Connection connection
            = QObject::connect(&core, &ApplicationCore::gameSettled,
                               [&](const QString &, bool success, const QVariantList &, int) {
                                   failed += success ? 0 : 1;
                                   if (--remaining == 0)
                                       loop.quit();
                               });
    QElapsedTimer timer;
    timer.start();
    for (const QVariantMap &snapshot : runs)
        core.submitGameRecord(snapshot);
    if (remaining > 0)
        loop.exec();
    const double elapsed = double(timer.nsecsElapsed());
    QObject::disconnect(connection);
    if (failed > 0)
        std::fprintf(stderr, "%d settlements failed\n", failed);
    return elapsed;
}

std::vector<double> settleOneByOne(ApplicationCore &core, int count, const char *mode = "endless")
{
    std::vector<double> latencies;
    for (int i = 0; i < count; ++i)
        latencies.push_back(settleAll(core, {run(mode)}));
    return latencies;
}

void settlement()
{
    Scratch scratch;
    Floor durable(scratch.path(), Floor::WriteAheadLog);
    Floor rollback(scratch.path(), Floor::RollbackJournal);
    ApplicationCore core;
    settleOneByOne(core, 10); // warm the worker's connection and statements
    durable.transactions(10);
    rollback.transactions(10);

    // One settlement is one write transaction; each is followed by one bare
    // transaction of either kind.
    std::vector<double> latencies;
    std::vector<double> durableFloor;
    std::vector<double> rollbackFloor;
    for (int i = 0; i < 200; ++i) {
        latencies.push_back(settleAll(core, {run()}));
        durableFloor.push_back(durable.transactions(1));
        rollbackFloor.push_back(rollback.transactions(1));
    }
    const double median = percentile(latencies, 0.5);
    const double p99 = percentile(latencies, 0.99);
    const double floorMedian = percentile(durableFloor, 0.5);
    const double floorP99 = percentile(durableFloor, 0.99);
    const double rollbackMedian = percentile(rollbackFloor, 0.5);
    addRow(QStringLiteral("1 settlement, one at a time: median"), ms(median),
           QStringLiteral("1 bare durable transaction (WAL): ") + ms(floorMedian),
           times(median / floorMedian));
    addRow(QStringLiteral("1 settlement, one at a time: p99"), ms(p99),
           QStringLiteral("1 bare durable transaction (WAL): ") + ms(floorP99),
           times(p99 / floorP99));
    addRow(QStringLiteral("1 settlement, one at a time: median"), ms(median),
           QStringLiteral("1 bare rollback-journal commit: ") + ms(rollbackMedian),
           times(median / rollbackMedian));
    goal(QStringLiteral("settlement median / bare durable transaction"), median / floorMedian, 3);
    goal(QStringLiteral("settlement p99 / bare durable transaction p99"), p99 / floorP99, 6);
    goal(QStringLiteral("settlement median / bare rollback-journal commit"),
         median / rollbackMedian, 1.1);

    // The burst between two halves of its floor.
    QList<QVariantMap> burst;
    for (int i = 0; i < 1000; ++i)
        burst << run();
    double floorTotal = durable.transactions(500);
    const double burstTime = settleAll(core, burst);
    floorTotal += durable.transactions(500);
    const double rate = 1000 / (burstTime / 1e9);
    const double floorRate = 1000 / (floorTotal / 1e9);
    addRow(QStringLiteral("1 burst of 1,000 queued runs"),
           QString::number(rate, 'f', 0) + QStringLiteral(" runs/s"),
           QStringLiteral("1,000 bare durable transactions: ") + QString::number(floorRate, 'f', 0)
                   + QStringLiteral("/s"),
           times(rate / floorRate));
    goal(QStringLiteral("burst rate / bare durable transaction rate"), rate / floorRate, 0.5,
         false);
}

// Settles one run and acknowledges the rewards its answer shows, as the game
// over card does: until then every answer carries them again (and reads the
// skins for them), and a database prefilled with many runs unlocks the
// cumulative achievements at its first settlement while a small one does not.
void acknowledgeRewards(ApplicationCore &core)
{
    QVariantList codes;
    QEventLoop loop;
    QMetaObject::Connection connection
            = QObject::connect(&core, &ApplicationCore::gameSettled,
                               [&](const QString &, bool, const QVariantList &rewards, int) {
                                   for (const QVariant &reward : rewards)
                                       codes << reward.toMap().value(QStringLiteral("code"));
                                   loop.quit();
                               });
    core.submitGameRecord(run());
    loop.exec();
    QObject::disconnect(connection);
    if (codes.isEmpty())
        return;
    connection = QObject::connect(&core, &ApplicationCore::skinRewardsAcknowledged,
                                  [&loop](const QString &, bool) { loop.quit(); });
    core.acknowledgeSkinRewards(QStringLiteral("bench"), codes);
    loop.exec();
    QObject::disconnect(connection);
}

// The three sizes take turns, a few settlements each, so a drift of the
// shared disk or CPU falls on all of them alike rather than on one size.
// Each turn starts the application afresh, and the sync of a new log
// differs from turn to turn by more than the sizes differ: 24 turns keep
// the medians steady from one run of the benchmark to the next.
void growth()
{
    const std::vector<int> sizes{100, 10000, 100000};
    std::vector<std::unique_ptr<Scratch>> scratches;
    for (int stored : sizes) {
        scratches.emplace_back(new Scratch);
        Scratch::prepare();
        prefill(Scratch::databasePath(), "endless", stored);
    }
    std::vector<std::vector<double>> latencies(sizes.size());
    std::vector<std::vector<double>> bare(sizes.size());
    for (int round = 0; round < 24; ++round) {
        for (size_t i = 0; i < sizes.size(); ++i) {
            scratches[i]->use();
            {
                ApplicationCore core;
                // Warm: the worker's quick check has read the whole file
                // through the page cache; the settlement's own pages are
                // loaded again.
                settleOneByOne(core, 1);
                acknowledgeRewards(core);
                settleOneByOne(core, 4);
                const std::vector<double> some = settleOneByOne(core, 6);
                latencies[i].insert(latencies[i].end(), some.begin(), some.end());
            }
            // Timed as the settlements are: six, after five to warm up.
            Floor alone(Scratch::databasePath());
            alone.transactions(5);
            for (int k = 0; k < 6; ++k)
                bare[i].push_back(alone.transactions(1));
        }
    }
    const double base = percentile(latencies[0], 0.5);
    const double bareBase = percentile(bare[0], 0.5);
    for (size_t i = 0; i < sizes.size(); ++i) {
        const double median = percentile(latencies[i], 0.5);
        addRow(QStringLiteral("2 settlement with %L1 runs stored").arg(sizes[i]), ms(median),
               QStringLiteral("100 runs stored: ") + ms(base), times(median / base));
        if (sizes[i] == 100000)
            goal(QStringLiteral("settlement with 100,000 runs / with 100"), median / base, 1.2);
    }
    // Not a goal: how SQLite's own commit on the same files grows.
    const double bareLargest = percentile(bare.back(), 0.5);
    addRow(QStringLiteral("2 bare run insert with 100,000 runs stored"), ms(bareLargest),
           QStringLiteral("100 runs stored: ") + ms(bareBase), times(bareLargest / bareBase));
}

// Lateness of each tick of a 16 ms timer on this (the GUI) thread, while
// work runs: the gap beyond 16 ms between consecutive ticks.
std::vector<double> timerLateness(const std::function<void()> &start,
                                  const std::function<bool()> &finished)
{
    std::vector<double> lateness;
    QElapsedTimer clock;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(16);
    qint64 previous = -1;
    QEventLoop loop;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (previous >= 0)
            lateness.push_back(std::max(0.0, double(now - previous) - 16e6));
        previous = now;
        if (finished())
            loop.quit();
    });
    clock.start();
    timer.start();
    start();
    loop.exec();
    return lateness;
}

void responsiveness()
{
    Scratch scratch;
    ApplicationCore core;
    settleOneByOne(core, 5);
    QElapsedTimer idleClock;
    const std::vector<double> idle
            = timerLateness([&] { idleClock.start(); }, [&] { return idleClock.elapsed() > 3000; });
    int remaining = 500;
    QObject::connect(&core, &ApplicationCore::gameSettled,
                     [&](const QString &, bool, const QVariantList &, int) { --remaining; });
    const std::vector<double> busy = timerLateness(
            [&] {
                for (int i = 0; i < 500; ++i)
                    core.submitGameRecord(run());
            },
            [&] { return remaining <= 0; });
    addRow(QStringLiteral("3 16 ms GUI timer during 500 settlements: p99 late"),
           ms(percentile(busy, 0.99)), QStringLiteral("idle: ") + ms(percentile(idle, 0.99)),
           times(percentile(busy, 0.99) / std::max(1.0, percentile(idle, 0.99))));
    addRow(QStringLiteral("3 16 ms GUI timer during 500 settlements: worst"),
           ms(percentile(busy, 1.0)), QStringLiteral("idle: ") + ms(percentile(idle, 1.0)),
           times(percentile(busy, 1.0) / std::max(1.0, percentile(idle, 1.0))));
}

// The record maps' keys with constant values of their types, built the way
// any reader of the rows must build them: the floor of the list beside the
// read itself.
QVariantList constantMaps(int count)
{
    QVariantList maps;
    maps.reserve(count);
    for (int i = 0; i < count; ++i) {
        QVariantMap map;
        map.insert(QStringLiteral("componentId"), QStringLiteral("pre-1234"));
        map.insert(QStringLiteral("modeId"), QStringLiteral("endless"));
        map.insert(QStringLiteral("score"), i);
        map.insert(QStringLiteral("jumpCount"), 12);
        map.insert(QStringLiteral("maxSectionJumpCount"), 3);
        map.insert(QStringLiteral("wallCollisionCount"), 0);
        map.insert(QStringLiteral("blockCollisionCount"), 1);
        map.insert(QStringLiteral("deathWorldY"), 12.5);
        map.insert(QStringLiteral("deathWorldX"), 3.25);
        map.insert(QStringLiteral("endReason"), QStringLiteral("abandoned"));
        map.insert(QStringLiteral("startedAt"), QStringLiteral("2025-01-31T08:05:09Z"));
        map.insert(QStringLiteral("endedAt"), QStringLiteral("2025-01-31T08:06:09Z"));
        map.insert(QStringLiteral("createdAt"), QStringLiteral("2025-01-31T08:06:09Z"));
        map.insert(QStringLiteral("updatedAt"), QStringLiteral("2025-01-31T08:06:09Z"));
        maps.append(map);
    }
    return maps;
}

void recordList()
{
    Scratch scratch;
    Scratch::prepare();
    prefill(Scratch::databasePath(), "endless", 10000);

    // The anchor: the same rows, in the same order, read with every column
    // through the C API, plus 10,000 maps built from constants, measured
    // between the calls so both see the same machine.
    sqlite3 *db = nullptr;
    sqlite3_open(Scratch::databasePath().toUtf8().constData(), &db);
    sqlite3_stmt *select = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM game_records ORDER BY created_at DESC", -1, &select,
                       nullptr);
    auto anchor = [&] {
        QElapsedTimer timer;
        timer.start();
        qint64 sink = 0;
        while (sqlite3_step(select) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(select); ++c)
                sink += sqlite3_column_bytes(select, c);
        }
        sqlite3_reset(select);
        sink += constantMaps(10000).size();
        return double(timer.nsecsElapsed()) + double(sink % 2) * 0;
    };

    ApplicationCore core;
    // Memory first, with no anchor lists in between to move the heap.
    const long before = residentKiB();
    int size = core.gameRecords().size();
    const long afterFirst = residentKiB();
    for (int i = 0; i < 100; ++i)
        size = qMin(size, core.gameRecords().size());
    const long after = residentKiB();

    // Strictly in turn, so neither side always runs on the heap and caches
    // the other just left.
    std::vector<double> calls;
    std::vector<double> bare;
    QElapsedTimer timer;
    for (int i = 0; i < 100; ++i) {
        timer.start();
        size = qMin(size, core.gameRecords().size());
        calls.push_back(double(timer.nsecsElapsed()));
        bare.push_back(anchor());
    }
    sqlite3_finalize(select);
    sqlite3_close(db);
    if (size != 10000)
        std::fprintf(stderr, "gameRecords() gave %d runs\n", size);
    const double ratio = percentile(calls, 0.5) / percentile(bare, 0.5);
    addRow(QStringLiteral("4 gameRecords() with 10,000 runs, per call"), ms(percentile(calls, 0.5)),
           QStringLiteral("bare sorted SELECT + 10,000 maps: ") + ms(percentile(bare, 0.5)),
           times(ratio));
    goal(QStringLiteral("gameRecords() with 10,000 runs / bare SELECT and maps"), ratio, 1.5);
    // Steady after the first call: the lists are freed again, and the
    // allocator keeps the high-water mark of the largest one.
    addRow(QStringLiteral("4 resident memory after 101 calls"),
           QString::number(after / 1024.0, 'f', 1) + QStringLiteral(" MiB"),
           QStringLiteral("after 1 call: %1 MiB (before: %2 MiB)")
                   .arg(afterFirst / 1024.0, 0, 'f', 1)
                   .arg(before / 1024.0, 0, 'f', 1),
           times(double(after) / double(afterFirst)));
}

// The Runs page of the reference front end, created with 10,000 runs stored:
// the page, its paged model's first page and the delegates that fit, all on
// the GUI thread, against the 16.7 ms of one frame at 60 Hz.
void runsPage()
{
    Scratch scratch;
    Scratch::prepare();
    prefill(Scratch::databasePath(), "endless", 10000);
    ApplicationCore core;
    QQmlEngine engine;
    QQuickWindow window;
    window.resize(540, 960);
    std::vector<double> openings;
    int shown = 0;
    // The Runs view as the desktop shell hosts it: the page hands its paged
    // model, header and delegate to a list view.
    const QByteArray view
            = "import QtQuick 2.6\n"
              "import \"pages\"\n"
              "ListView {\n"
              "    id: view\n"
              "    property alias core: records.core\n"
              "    model: records.model\n"
              "    header: Loader { width: parent.width; sourceComponent: records.header }\n"
              "    delegate: records.delegate\n"
              "    RecordsPage { id: records; count: view.count }\n"
              "}\n";
    for (int i = 0; i < 15; ++i) {
        QQmlComponent component(&engine);
        component.setData(view,
                          QUrl::fromLocalFile(QStringLiteral(HOPLIX_QML_DIR)
                                              + QStringLiteral("/RunsView.qml")));
        QElapsedTimer timer;
        timer.start();
        // Each page makes its own list, read from the first page.
        QObject *object = component.beginCreate(engine.rootContext());
        auto *page = qobject_cast<QQuickItem *>(object);
        if (!page) {
            std::fprintf(stderr, "Runs page: %s\n", qPrintable(component.errorString()));
            return;
        }
        page->setProperty("core", QVariant::fromValue<QObject *>(&core));
        page->setSize(QSizeF(540, 900));
        page->setParentItem(window.contentItem());
        component.completeCreate();
        QCoreApplication::sendPostedEvents();
        openings.push_back(double(timer.nsecsElapsed()));
        shown = page->property("count").toInt();
        delete page;
    }
    const double frame = 16.7e6;
    const double opening = percentile(openings, 0.5);
    addRow(QStringLiteral("5 Runs page opening with 10,000 runs (%1 rows read)").arg(shown),
           ms(opening), QStringLiteral("one frame: 16.7 ms"), times(opening / frame));
    goal(QStringLiteral("Runs page opening with 10,000 runs / one frame"), opening / frame, 1.0);
}

double constructionTime()
{
    QElapsedTimer timer;
    timer.start();
    ApplicationCore core;
    const double elapsed = double(timer.nsecsElapsed());
    return elapsed;
}

void startup()
{
    std::vector<double> fresh;
    std::vector<double> filled;
    Scratch filledScratch;
    Scratch::prepare();
    prefill(Scratch::databasePath(), "endless", 100000);
    const QByteArray filledHome = qgetenv("XDG_CONFIG_HOME");
    // Interleaved: a fresh database, then the one with 100,000 runs.
    for (int i = 0; i < 7; ++i) {
        {
            Scratch scratch;
            fresh.push_back(constructionTime());
        }
        qputenv("XDG_CONFIG_HOME", filledHome);
        filled.push_back(constructionTime());
        DatabaseConnection::closeConnection();
    }
    const double freshMedian = percentile(fresh, 0.5);
    const double ratio = percentile(filled, 0.5) / freshMedian;
    addRow(QStringLiteral("6 ApplicationCore construction, 100,000 runs"),
           ms(percentile(filled, 0.5)), QStringLiteral("fresh database: ") + ms(freshMedian),
           times(ratio));
    goal(QStringLiteral("construction with 100,000 runs / fresh database"), ratio, 1.0);

    // Once only, on the first start after the update: the totals and indexes
    // are added to a file of the earlier version.
    {
        sqlite3 *db = nullptr;
        sqlite3_open(Scratch::databasePath().toUtf8().constData(), &db);
        for (const char *drop :
             {"DROP TRIGGER game_record_totals_insert", "DROP TRIGGER game_record_totals_delete",
              "DROP TRIGGER game_record_totals_update", "DROP TABLE game_record_totals",
              "DROP INDEX game_records_by_mode", "DROP INDEX game_records_by_mode_and_time"})
            execute(db, drop);
        sqlite3_close(db);
    }
    const double upgrade = constructionTime();
    DatabaseConnection::closeConnection();
    addRow(QStringLiteral("6 first construction after the update, 100,000 runs"), ms(upgrade),
           QStringLiteral("fresh database: ") + ms(freshMedian), times(upgrade / freshMedian));
}

// The taps of ten minutes of play, recorded from the autopilot over as many
// towers as it takes, so the timed replay measures the rules alone.
struct RecordedPlay
{
    quint64 seed;
    std::vector<std::pair<qint64, int>> taps;
    qint64 steps;
};

std::vector<RecordedPlay> recordPlay(qint64 totalSteps)
{
    std::vector<RecordedPlay> plays;
    qint64 recorded = 0;
    for (quint64 seed = 1; recorded < totalSteps; ++seed) {
        RecordedPlay play{seed, {{0, 1}}, 0};
        GameSimulation sim(seed);
        GameAutopilot pilot;
        sim.queueJump(1);
        while (!sim.ended() && recorded + sim.stepCount() < totalSteps) {
            sim.step();
            const int move = pilot.decide(sim);
            if (move != 0) {
                play.taps.emplace_back(sim.stepCount(), move);
                sim.queueJump(move);
            }
        }
        play.steps = sim.stepCount();
        recorded += play.steps;
        plays.push_back(play);
    }
    return plays;
}

double replay(const std::vector<RecordedPlay> &plays)
{
    QElapsedTimer timer;
    timer.start();
    quint64 sink = 0;
    for (const RecordedPlay &play : plays) {
        GameSimulation sim(play.seed);
        size_t next = 0;
        while (sim.stepCount() < play.steps) {
            while (next < play.taps.size() && play.taps[next].first <= sim.stepCount())
                sim.queueJump(play.taps[next++].second);
            sim.step();
        }
        sink += sim.stateHash();
    }
    const double elapsed = double(timer.nsecsElapsed());
    if (sink == 42)
        std::fprintf(stderr, " ");
    return elapsed;
}

void simulation()
{
    const qint64 tenMinutes = 600LL * GameSimulation::StepsPerSecond;
    const std::vector<RecordedPlay> plays = recordPlay(tenMinutes);
    std::vector<double> runs;
    for (int i = 0; i < 5; ++i)
        runs.push_back(replay(plays));
    const double best = percentile(runs, 0.0);
    const double perSecondOfPlay = best / 600.0;
    // A frame at 60 Hz carries two steps: half a second's cost per thirty.
    const double perFrame = perSecondOfPlay / 60.0;
    const double budget = 1e9 / 60.0;
    addRow(QStringLiteral("6 simulation per 60 Hz frame (2 steps)"),
           QString::number(perFrame / 1e3, 'f', 2) + QStringLiteral(" us"),
           QStringLiteral("frame budget: 16.7 ms"),
           QString::number(100.0 * perFrame / budget, 'f', 3) + QStringLiteral(" %"));
    const double rate = double(tenMinutes) / (best / 1e9);
    addRow(QStringLiteral("6 steps per second, 10 minutes of play"),
           QString::number(rate / 1e6, 'f', 2) + QStringLiteral(" M/s"),
           QStringLiteral("real time: 120 steps/s"), times(rate / GameSimulation::StepsPerSecond));
}

// The game page as the application builds it, played by the autopilot 100
// times over in one process.
void gamePages()
{
    Scratch scratch;
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.6\n"
                      "import org.hoplix.hoplix 1.0\n"
                      "import \".\"\n"
                      "GamePage { width: 540; height: 960; core: ApplicationCore {} }\n",
                      QUrl::fromLocalFile(QStringLiteral(HOPLIX_QML_PAGES "/Bench.qml")));
    std::unique_ptr<QObject> page(component.create());
    if (!page) {
        std::fprintf(stderr, "game page: %s\n", qPrintable(component.errorString()));
        return;
    }
    QObject *session = page->property("session").value<QObject *>();
    QQuickItem *world = page->findChild<QQuickItem *>(QStringLiteral("world"));
    auto items = [&] { return world ? int(world->childItems().size()) : -1; };
    long afterFirst = 0;
    int itemsFirst = 0;
    int itemsMost = 0;
    qint64 jumps = 0;
    for (int run = 1; run <= 100; ++run) {
        QMetaObject::invokeMethod(page.get(), "open", Q_ARG(QVariant, QStringLiteral("endless")));
        for (int i = 0; i < 60 && session->property("state").toInt() != 4; ++i)
            QMetaObject::invokeMethod(session, "autoplay", Q_ARG(int, 600));
        if (session->property("state").toInt() != 4)
            QMetaObject::invokeMethod(page.get(), "leaveRun");
        jumps += session->property("jumpCount").toInt();
        QCoreApplication::processEvents();
        itemsMost = std::max(itemsMost, items());
        if (run == 1) {
            afterFirst = residentKiB();
            itemsFirst = items();
        }
    }
    // Let the last settlements land before measuring.
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const long after = residentKiB();
    addRow(QStringLiteral("7 items under the game world, most over 100 runs"),
           QString::number(itemsMost), QStringLiteral("after 1 run: %1").arg(itemsFirst),
           times(double(itemsMost) / std::max(1, itemsFirst)));
    addRow(QStringLiteral("7 resident memory after 100 runs"),
           QString::number(after / 1024.0, 'f', 1) + QStringLiteral(" MiB"),
           QStringLiteral("after 1 run: %1 MiB").arg(afterFirst / 1024.0, 0, 'f', 1),
           times(double(after) / double(afterFirst)));
    std::fprintf(stderr, "  (%lld jumps played)\n", (long long)jumps);
}

void printTable()
{
    auto width = [](const std::function<QString(const Row &)> &field, const QString &title) {
        int w = title.size();
        for (const Row &row : rows)
            w = std::max(w, field(row).size());
        return w;
    };
    const int w1 = width([](const Row &r) { return r.benchmark; }, QStringLiteral("benchmark"));
    const int w2 = width([](const Row &r) { return r.figure; }, QStringLiteral("figure"));
    const int w3 = width([](const Row &r) { return r.anchor; }, QStringLiteral("anchor"));
    const int w4 = width([](const Row &r) { return r.ratio; }, QStringLiteral("ratio"));
    auto line = [&](const QString &a, const QString &b, const QString &c, const QString &d) {
        std::printf("| %s | %s | %s | %s |\n", qPrintable(a.leftJustified(w1)),
                    qPrintable(b.rightJustified(w2)), qPrintable(c.leftJustified(w3)),
                    qPrintable(d.rightJustified(w4)));
    };
    line(QStringLiteral("benchmark"), QStringLiteral("figure"), QStringLiteral("anchor"),
         QStringLiteral("ratio"));
    line(QString(w1, QLatin1Char('-')), QString(w2, QLatin1Char('-')),
         QString(w3, QLatin1Char('-')), QString(w4, QLatin1Char('-')));
    for (const Row &row : rows)
        line(row.benchmark, row.figure, row.anchor, row.ratio);
    std::printf("\n%s\n", qPrintable(goals.join(QLatin1Char('\n'))));
}

} // namespace

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void addRow(const QString &benchmark, const QString &figure, const QString &anchor,
            const QString &ratio)
{
    rows.push_back({benchmark, figure, anchor, ratio});
    std::fprintf(stderr, "  %s: %s | %s | %s\n", qPrintable(benchmark), qPrintable(figure),
                 qPrintable(anchor), qPrintable(ratio));
}

namespace {

void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("org.hoplix"));
    QCoreApplication::setApplicationName(QStringLiteral("harbour-Hoplix"));
    qInstallMessageHandler(quiet);

    const QStringList only = app.arguments().mid(1);
    auto wanted = [&](const char *name) {
        return only.isEmpty() || only.contains(QLatin1String(name));
    };
    if (wanted("settlement"))
        settlement();
    if (wanted("growth"))
        growth();
    if (wanted("gui"))
        responsiveness();
    if (wanted("list"))
        recordList();
    if (wanted("page"))
        runsPage();
    if (wanted("startup"))
        startup();
    if (wanted("simulation"))
        simulation();
    if (wanted("replays"))
        replayBenchmarks(addRow, goal);
    if (wanted("pages") || wanted("frames"))
        QmlTypes::registerAll();
    if (wanted("pages"))
        gamePages();
    if (wanted("frames"))
        frameCosts();
    printTable();
    return 0;
}

// The environment turns against the application: the database cannot be
// used (its directory is a file, the file holds no database, a page of it is
// damaged), and the helper child is killed, starved of disk, cut off from
// power or slowed down while it settles runs. The application must come up,
// say what is wrong, answer every call, leave a file it cannot use alone,
// and keep everything it confirmed, in a sound database.

#include "app/applicationcore.h"
#include "app/runkeeper.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>

#include <random>

namespace {

// The language index in the settings file as it is on disk. Not through
// QSettings: the phone's Qt keeps what it read of a path and may not notice a
// rewrite of the same size within the same second.
int storedLanguage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    QByteArray group;
    int language = -1;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('['))
            group = line;
        else if (group == "[APP_SETTING]" && line.startsWith("LANGUAGE="))
            language = line.mid(9).toInt();
    }
    return language;
}

// Starts the helper child on a configuration directory of its own, with
// extra environment variables.
void startChild(QProcess &child, const QString &configHome, const QStringList &arguments,
                const QMap<QString, QString> &extra = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    for (auto it = extra.cbegin(); it != extra.cend(); ++it)
        environment.insert(it.key(), it.value());
    child.setProcessEnvironment(environment);
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(QStringLiteral(HOPLIX_TEST_CHILD), arguments);
}

// Runs the child to its end: its answers, or nothing when it did not exit cleanly.
QByteArray runChild(const QString &configHome, const QStringList &arguments,
                    const QMap<QString, QString> &extra = {})
{
    QProcess child;
    startChild(child, configHome, arguments, extra);
    const bool clean = child.waitForFinished(20 * 60 * 1000)
            && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    return clean ? child.readAllStandardOutput() : QByteArray();
}

struct Event
{
    char kind;
    quint64 inode, offset;
    QByteArray data;
};

// Rebuilds, from the sync shim's log, the files as a power cut at any point
// of the log would leave them. The model is what a file system promises and
// no more: a file's data survives as of its last sync, a name as of the last
// sync of its directory. The torn variant also lets each 512-byte piece of
// every write since a file's last sync land or not, as a disk's sectors do.
struct PowerCutReplay
{
    struct File
    {
        QByteArray current, durable;
        QVector<Event> pending;
    };
    QVector<File> files;
    QHash<quint64, int> live;
    QMap<QString, int> names, durableNames;

    void apply(const Event &e)
    {
        const QStringList name = QString::fromUtf8(e.data).split(QChar(0));
        int file = live.value(e.inode, -1);
        if (e.kind == 'O' && (e.offset == 1 || file < 0)) // a new file
            files.resize((file = live[e.inode] = files.size()) + 1);
        if ((e.kind == 'O' || e.kind == 'L') && file >= 0 && !name[0].isEmpty())
            names[name[0]] = file;
        if ((e.kind == 'W' || e.kind == 'T') && file >= 0) {
            change(files[file].current, e);
            files[file].pending.append(e);
        }
        if (e.kind == 'S' && file >= 0)
            files[file] = {files[file].current, files[file].current, {}};
        for (const QString &path :
             e.kind == 'D' ? names.keys() + durableNames.keys() : QList<QString>()) {
            if (path.left(path.lastIndexOf('/')) == name[0])
                names.contains(path) ? void(durableNames[path] = names[path])
                                     : void(durableNames.remove(path));
        }
        if (e.kind == 'R' && names.contains(name[0]))
            names[name.value(1)] = names.take(name[0]);
        if (e.kind == 'U')
            names.remove(name[0]);
    }

    // Every file found after a cut now, the watched directory `from` placed
    // at `to`; with `tear`, each piece of unsynced writes lands with odds 1/2.
    bool writeImage(const QString &from, const QString &to, std::mt19937 *tear) const
    {
        for (auto it = durableNames.cbegin(); it != durableNames.cend(); ++it) {
            QByteArray content = files.at(it.value()).durable;
            for (const Event &e : tear ? files.at(it.value()).pending : QVector<Event>()) {
                // A truncation is one piece.
                for (int at = 0, next; at < qMax(1, e.data.size()); at = next) {
                    next = int((e.offset + uint(at)) / 512 + 1) * 512 - int(e.offset);
                    if ((*tear)() % 2)
                        change(content,
                               {e.kind, 0, e.offset + uint(at), e.data.mid(at, next - at)});
                }
            }
            QFile out(to + it.key().mid(from.size()));
            if (!QDir().mkpath(QFileInfo(out).path()) || !out.open(QIODevice::WriteOnly)
                || out.write(content) != content.size())
                return false;
        }
        return true;
    }

    static void change(QByteArray &content, const Event &e)
    {
        content = content.leftJustified(int(e.offset), '\0', e.kind == 'T');
        content.replace(int(e.offset), e.data.size(), e.data);
    }
};

// The shim's log (each entry's header line, then its data), and a last cut
// after everything.
QVector<Event> readLog(const QString &path)
{
    QFile file(path);
    const QByteArray log = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QVector<Event> events;
    for (int at = 0, end; (end = log.indexOf('\n', at)) > at;
         at = end + 1 + events.last().data.size()) {
        const QList<QByteArray> head = log.mid(at, end - at).split(' ');
        events.append({head.at(0).at(0), head.value(1).toULongLong(), head.value(2).toULongLong(),
                       log.mid(end + 1, head.value(3).toInt())});
    }
    return events << Event{'S', 0, 0, {}};
}

// What the child was told: the words after each first word of its lines
// ("run" and "failed" ids, "unlocked" skins, "acknowledged" codes, ...), and
// the longest wait of a call.
struct Told
{
    QMap<QString, QStringList> seen;
    int worst = 0;
    // The skins that may be worn: the last one confirmed, any whose selection
    // was under way when a child was killed since (stored or not), and the
    // one under way now. A refused selection changes nothing.
    QStringList mayBeWorn{"default"};
    QString underWay;

    void read(const QByteArray &output, bool killed = false)
    {
        for (const QByteArray &line : output.trimmed().split('\n')) {
            const QStringList words = QString::fromUtf8(line).split(' ');
            seen[words.first()] << words.value(1);
            worst = qMax(worst, words.value(2).toInt());
            if (words.first() == "selected")
                mayBeWorn = QStringList{words.value(1)};
            if (words.first().endsWith("selected") || words.first() == "selecting")
                underWay = words.first() == "selecting" ? words.value(1) : QString();
        }
        if (killed && !underWay.isEmpty())
            mayBeWorn << underWay;
    }

    // What the files under a configuration directory lost of what was told,
    // or what is wrong with them; empty when nothing.
    QStringList problemsIn(const QString &config) const
    {
        QStringList found;
        const bool ready = seen.contains("ready");
        const QString database = config + "/db/harbour-hoplix.db";
        if (QFile::exists(database)) {
            DatabaseCheck check(database);
            found << (ready ? check.problems(true) : check.value("PRAGMA integrity_check"));
            const QStringList stored{
                    "run",          "SELECT id FROM game_records",
                    "unlocked",     "SELECT skin_id FROM skins WHERE is_unlocked",
                    "acknowledged", "SELECT code FROM achievements WHERE NOT notification_pending"};
            for (int i = 0; i < stored.size(); i += 2) {
                QStringList lost = seen.value(stored[i]);
                for (const QString &there : check.texts(stored[i + 1]))
                    lost.removeAll(there);
                if (!lost.isEmpty())
                    found << stored[i] + " lost";
            }
            // A run and its replay commit together: a replay is never
            // alone, and a confirmed run that came with one has it.
            QStringList replayLost = seen.value("replayed");
            if (check.value("SELECT COUNT(*) FROM sqlite_master WHERE name='game_replay'") == "1") {
                found << check.texts("SELECT run_id||' replay without its run' FROM game_replay "
                                     "WHERE run_id NOT IN (SELECT id FROM game_records)");
                for (const QString &there : check.texts("SELECT run_id FROM game_replay"))
                    replayLost.removeAll(there);
            }
            if (!replayLost.isEmpty())
                found << "replay lost";
            const QString worn
                    = check.texts("SELECT skin_id FROM skins WHERE is_selected").join(',');
            if (ready && !mayBeWorn.contains(worn) && worn != underWay)
                found << "selection " + worn + ", told " + mayBeWorn.join('/');
        } else if (ready) {
            found << "database gone";
        }
        if (storedLanguage(config + "/config/appSettings.conf")
            < seen.value("language", {"-1"}).last().toInt())
            found << "language older than " + seen.value("language").last();
        // What was found, without the empty texts and the "ok" of a sound file.
        return found.filter(QRegularExpression("^(?!ok$).+"));
    }
};

} // namespace

class tst_BrokenEnvironment : public QObject
{
    Q_OBJECT
private slots:
    void unusableDatabase_data()
    {
        QTest::addColumn<QString>("blocked"); // under the configuration directory
        QTest::newRow("a file where the directory should be") << "/db";
        QTest::newRow("a database file of other bytes") << "/db/harbour-hoplix.db";
    }

    void unusableDatabase()
    {
        QFETCH(QString, blocked);
        TestStorage storage;
        const QString blocker = TestStorage::configLocation() + blocked;
        const QByteArray garbage = QByteArray("no database\0\xff", 13).repeated(5000);
        QFile file(blocker);
        QVERIFY(QDir().mkpath(QFileInfo(blocker).path()) && file.open(QIODevice::WriteOnly)
                && file.write(garbage) == garbage.size());
        file.close();

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[DatabaseConnection\\]"));
        QTest::ignoreMessage(QtWarningMsg,
                             "[ApplicationCore] achievements unavailable: initialization failed");
        {
            ApplicationCore core;
            QVERIFY(!core.saveGameRecord("r1", "endless", 10, "wall", "", "")
                    && !core.selectSkin("default") && !core.unlockSkin("clown")
                    && !core.latestDeathPosition("endless").isValid()
                    && (core.gameRecords() + core.skins()).isEmpty()
                    && core.highestScore("endless") == -1);
            QCOMPARE(core.achievements(), (QVariantMap{{"ok", false}, {"items", QVariantList()}}));
            // The settings live elsewhere and keep working.
            core.setAppSetting("APP_SETTING", "LANGUAGE", 2);
            QCOMPARE(core.appSetting("APP_SETTING", "LANGUAGE", 0), QVariant(2));
            // Every accepted submission still gets its one, failed, answer.
            QSignalSpy settled(&core, &ApplicationCore::gameSettled),
                    acknowledged(&core, &ApplicationCore::skinRewardsAcknowledged);
            QVERIFY(core.submitGameRecord(runSnapshot("a", 1))
                    && core.acknowledgeSkinRewards("req", {"score_50"}));
            QTRY_COMPARE(settled.count() + acknowledged.count(), 2);
            QCOMPARE(settled.at(0), (QList<QVariant>{"a", false, QVariantList(), -1}));
            QCOMPARE(acknowledged.at(0), (QList<QVariant>{"req", false}));
        }
        // Left as it was, without a journal or log beside it.
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == garbage);
        QCOMPARE(QFileInfo(file).dir().entryList(QDir::Files),
                 QStringList(blocker.section('/', -1)));
    }

    // One damaged page: the application still starts, but says at start what
    // SQLite finds wrong.
    void damagedPageReported()
    {
        TestStorage storage;
        delete new ApplicationCore;
        // The last connection to close folds the log into the database file.
        DatabaseConnection::closeConnection();
        // At SQLite's default page size, bytes 4096 on are page 2, a table's root.
        QFile file(storage.databasePath());
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(4096)
                && file.write(QByteArray(4096, '\x5a')) == 4096 && file.flush());

        // The check runs on the worker, which has finished its queue when the
        // application is gone.
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^\\[DatabaseConnection\\] database damaged: .+"));
        delete new ApplicationCore;
    }

    // Killed with SIGKILL at random moments, over and over, on one database.
    void killedWhileSettling()
    {
        TestStorage storage;
        const int kills = stressScaled(25);
        std::mt19937 random(20250131u);
        Told told;
        for (int round = 0; round < kills; ++round) {
            QProcess child;
            startChild(child, storage.path(), {"settle", QString::number(random()), "-1"});
            // One kill in five lands during start-up (schema, catalogue import),
            // the rest after the first answer, whatever the machine's speed.
            QByteArray output;
            const bool early = random() % 5 == 0;
            while (!early && !output.contains("\nrun ") && child.waitForReadyRead(30000))
                output += child.readAllStandardOutput();
            QTest::qWait(int(random() % 250));
            child.kill();
            QVERIFY(child.waitForFinished(10000));
            told.read(output + child.readAllStandardOutput(), true);
            const QStringList problems = told.problemsIn(TestStorage::configLocation());
            QVERIFY2(problems.isEmpty(),
                     qPrintable(QStringLiteral("kill %1: ").arg(round) + problems.join(", ")));
        }
        qInfo("%d kills survived, %d runs settled", kills, told.seen.value("run").size());
        // Valid runs on a working disk: nothing may have failed outright.
        QVERIFY2(!told.seen.contains("failed"), qPrintable(told.seen.value("failed").join(' ')));
        // The kills landed while runs were being settled, not all at start-up.
        QVERIFY(told.seen.value("run").size() > kills);
    }

    // A file-size limit stops the database from growing: settlements fail
    // cleanly, and once the limit is gone the same database works again.
    void databaseCannotGrow()
    {
        TestStorage storage;
        QVERIFY(ApplicationCore().saveGameRecord("before", "endless", 20, "wall", "", ""));
        DatabaseConnection::closeConnection();
        const qint64 limit = QFileInfo(storage.databasePath()).size() + 16384;
        Told told;
        told.read(runChild(storage.path(), {"settle", "7", QString::number(stressScaled(30))},
                           {{"HOPLIX_CHILD_FILE_LIMIT", QString::number(limit)}}));
        QVERIFY2(told.seen.contains("failed") && told.seen.contains("run"),
                 "the limit stopped all or none");
        // Nothing confirmed lost, nothing refused stored.
        QCOMPARE(told.problemsIn(TestStorage::configLocation()), QStringList());
        QCOMPARE(DatabaseCheck(storage.databasePath()).value("SELECT COUNT(*) FROM game_records"),
                 QString::number(told.seen.value("run").size() + 1));
        // The limit was the child's alone: here the same database takes runs again.
        QVERIFY(ApplicationCore().saveGameRecord("after", "endless", 3, "block", "", ""));
        QCOMPARE(DatabaseCheck(storage.databasePath()).problems(true), QString());
    }

    // A full disk (the file-size limit) while runs are kept by RunKeeper: the
    // ones it could not store are in its file, and a later start without the
    // limit stores them with their replays.
    void unsavedRunsOutliveAFullDisk()
    {
        TestStorage storage;
        QVERIFY(ApplicationCore().saveGameRecord("before", "endless", 20, "wall", "", ""));
        DatabaseConnection::closeConnection();
        const qint64 limit = QFileInfo(storage.databasePath()).size() + 16384;
        Told told;
        told.read(runChild(storage.path(), {"keep", "5", "200"},
                           {{"HOPLIX_CHILD_FILE_LIMIT", QString::number(limit)}}));
        const QStringList kept = told.seen.value("kept");
        QVERIFY2(kept.size() == 3 && told.seen.contains("run"), "the limit stopped all or none");
        // Stored at the end are those the disk still took.
        const QStringList unsaved = told.seen.value("unsaved");
        for (const QString &id : unsaved)
            QVERIFY(kept.contains(id));
        {
            ApplicationCore core;
            RunKeeper keeper;
            QCOMPARE(keeper.unsavedIds(), unsaved);
            QVERIFY(keeper.storeKept(&core));
        }
        const DatabaseCheck check(storage.databasePath());
        for (const QString &id : told.seen.value("run") + kept)
            QCOMPARE(check.value("SELECT COUNT(*) FROM game_records r JOIN game_replay p ON "
                                 "p.run_id=r.id WHERE r.id=?",
                                 {id}),
                     QStringLiteral("1"));
        QCOMPARE(check.problems(true), QString());
    }

    // Power cuts, modelled: two sessions of the child under the sync shim, and
    // the files rebuilt as a cut just before each sync would leave them.
    void powerCut_data()
    {
        QTest::addColumn<bool>("torn");
        QTest::newRow("synced data only") << false;
        QTest::newRow("torn unsynced writes") << true;
    }

    void powerCut()
    {
        if (!*HOPLIX_SYNC_SHIM)
            QSKIP("no sync shim in a sanitizer build");
        QFETCH(bool, torn);
        TestStorage storage;
        const QString watched = storage.path() + "/org.hoplix", log = storage.path() + "/log";
        for (const char *seed : {"7", "8"}) {
            QVERIFY(runChild(storage.path(), {"settle", seed, QString::number(stressScaled(40))},
                             {{"LD_PRELOAD", HOPLIX_SYNC_SHIM},
                              {"HOPLIX_SHIM_LOG", log},
                              {"HOPLIX_SHIM_DIR", watched}})
                            .endsWith("done\n"));
        }
        std::mt19937 tear(20250131u);
        PowerCutReplay replay;
        Told told;
        int cuts = 0;
        QStringList problems;
        for (const Event &event : readLog(log)) {
            if (event.kind == 'S' || event.kind == 'D') {
                // A directory of its own for each image.
                const QString image = storage.path() + "/cut" + QString::number(++cuts);
                QVERIFY(replay.writeImage(watched, image, torn ? &tear : nullptr));
                const QStringList found = told.problemsIn(
                        image + TestStorage::configLocation().mid(watched.size()));
                QDir(image).removeRecursively();
                if (!found.isEmpty())
                    problems << QStringLiteral("cut %1: %2").arg(cuts).arg(found.join(", "));
            }
            if (event.kind == 'M')
                told.read(event.data);
            replay.apply(event);
        }
        qInfo("%d cut points; %d with a problem", cuts, problems.size());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 5).join('\n')));
        QVERIFY(told.seen.value("run").size() > 20);
    }

    // Cheap phone storage: every sync takes 20 to 50 ms (the sync shim's sleep;
    // HOPLIX_SLOW_SYNC_MS sets another range) while 300 runs are queued at once
    // and the GUI thread saves runs, unlocks and selects skins and reads the
    // achievements. None of those calls may fail, every run must be settled,
    // and the longest wait of the GUI thread is reported.
    void slowStorage()
    {
        if (!*HOPLIX_SYNC_SHIM)
            QSKIP("no sync shim in a sanitizer build");
        TestStorage storage;
        const int runs = stressScaled(300);
        QByteArray slowSync = qgetenv("HOPLIX_SLOW_SYNC_MS");
        slowSync = slowSync.isEmpty() ? "20-50" : slowSync;
        Told told;
        told.read(runChild(storage.path(), {"backlog", "11", QString::number(runs)},
                           {{"LD_PRELOAD", HOPLIX_SYNC_SHIM}, {"HOPLIX_SLOW_SYNC_MS", slowSync}}));
        const QStringList calls = told.seen.value("call"), failed = told.seen.value("failed");
        qInfo("sync %s ms, %d runs: %d settled, %d GUI calls passed, %d failures, worst %d ms",
              slowSync.constData(), runs, told.seen.value("run").size(), calls.size(),
              failed.size(), told.worst);
        QVERIFY2(failed.isEmpty(), qPrintable(failed.join(' ')));
        QCOMPARE(told.seen.value("run").size(), runs);
        QVERIFY(calls.size() >= 16);
        // The goal is 250 ms; a call that waits for SQLite's busy timeout takes
        // 5 s and fails. Only a stall far beyond the goal fails here, so a loaded
        // machine cannot make this flake; the figure above is the result.
        QVERIFY2(told.worst < 2500, qPrintable(QString::number(told.worst)));
    }
};

QTEST_GUILESS_MAIN(tst_BrokenEnvironment)
#include "tst_brokenenvironment.moc"

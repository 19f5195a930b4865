// The helper process of the reliability tests. It drives ApplicationCore as
// the front end does and reports every answer on standard output, one
// write(2) per line, so a parent that kills it (or a tracer of its writes)
// knows exactly what it had been told.
//
//   settle <seed> <runs>   three runs queued at a time (<runs> -1: until
//                          killed); after each answer it acknowledges the
//                          rewards and now and then unlocks and selects a
//                          skin, saves a run synchronously or stores a rising
//                          language index
//   backlog <seed> <runs>  queues all runs at once; meanwhile the GUI thread
//                          makes a call every 20 ms
//   keep <seed> <runs>     one run at a time through RunKeeper, each with its
//                          replay, until three are kept unsaved; then stores
//                          what it keeps, as at quit
//
// Ids begin with the seed, so sessions with different seeds never share one.
//
// With HOPLIX_CHILD_FILE_LIMIT every file it writes is limited to that size
// (SIGXFSZ ignored), and its runs are large enough to reach it soon.
//
// Settled runs of "settle" and "backlog" carry a replay every other time.
//
// Lines: "ready", "run|failed <id>" (settled or saved), "replayed <id>" after
// the "run" line of a run settled with its replay, "kept|unsaved <id>" (run
// kept by RunKeeper; still kept at the end), "acknowledged|
// unacknowledged <code>", "unlocked|locked <skin>", "selecting <skin>" before
// the call and "selected|unselected <skin>" after, "language <index>",
// "call|failed <name> <milliseconds>", "done".

#include "app/applicationcore.h"
#include "app/runkeeper.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <csignal>
#include <cstdlib>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const char *const kSkins[] = {"confident", "dizzy",    "money",    "default",   "clown",
                              "injured",   "smirking", "shouting", "determined"};
const char *const kReasons[] = {"wall", "block", "fall", "abandoned"};

// One line of words.
const auto report = [](const auto &...words) {
    const QByteArray text = (QStringList{QVariant(words).toString()...}.join(' ') + '\n').toUtf8();
    if (::write(STDOUT_FILENO, text.constData(), size_t(text.size())) != text.size())
        std::abort();
};

class Driver : public QObject
{
public:
    // Arguments as given to the program: mode, seed, runs.
    Driver(char **argv, bool large)
        : random(unsigned(atoll(argv[2])))
        , prefix(QString::number(unsigned(atoll(argv[2]))))
        , startedAt(large ? QString(3000, QLatin1Char('x')) : QStringLiteral("s"))
        , runs(atoi(argv[3]))
    {
        connect(&core, &ApplicationCore::gameSettled, this,
                [this](const QString &id, bool success, const QVariantList &rewards) {
                    report(success ? "run" : "failed", id);
                    if (success && replayed.remove(id))
                        report("replayed", id);
                    --inFlight;
                    if (!guiCalls.isActive())
                        actLikeFrontEnd(rewards);
                    feed();
                });
        connect(&core, &ApplicationCore::skinRewardsAcknowledged, this,
                [this](const QString &request, bool success) {
                    for (const QString &code : acknowledging.take(request))
                        report(success ? "acknowledged" : "unacknowledged", code);
                    feed();
                });
        connect(&guiCalls, &QTimer::timeout, this, [this] { guiCall(); });
        if (qstrcmp(argv[1], "backlog") == 0)
            guiCalls.start(20);
        report("ready");
    }

    void feed()
    {
        while (inFlight < (guiCalls.isActive() ? runs : 3) && (runs < 0 || submitted < runs)) {
            inFlight += core.submitGameRecord(
                    nextRun(QStringLiteral("%1-%2").arg(prefix).arg(submitted++)));
        }
        if (inFlight == 0 && acknowledging.isEmpty() && runs >= 0 && submitted >= runs) {
            // A timer due in the same pass of the event loop would still fire
            // after exit() and report after "done".
            guiCalls.stop();
            report("done");
            QCoreApplication::exit(0);
        }
    }

private:
    void actLikeFrontEnd(const QVariantList &rewards)
    {
        QStringList codes;
        for (const QVariant &reward : rewards)
            codes << reward.toMap().value(QStringLiteral("code")).toString();
        const QString request = prefix + "-a" + QString::number(calls++);
        if (!codes.isEmpty() && core.acknowledgeSkinRewards(request, QVariantList() << codes))
            acknowledging.insert(request, codes);
        const unsigned roll = random() % 6;
        const QString skin = QLatin1String(kSkins[random() % 9]);
        if (roll < 2) {
            report(core.unlockSkin(skin) ? "unlocked" : "locked", skin);
            report("selecting", skin);
            report(core.selectSkin(skin) ? "selected" : "unselected", skin);
        } else if (roll == 3) {
            // The GUI thread writes too, competing for the lock.
            const QString id = prefix + "-s" + QString::number(calls++);
            const int score = int(random() % 60);
            const bool saved
                    = core.saveGameRecord(id, "endless", score, kReasons[score % 3], "", "");
            report(saved ? "run" : "failed", id);
        } else if (roll == 2) {
            // Rising across sessions too: each starts from the stored index.
            const int language = core.appSetting("APP_SETTING", "LANGUAGE", 0).toInt() + 1;
            core.setAppSetting(QStringLiteral("APP_SETTING"), QStringLiteral("LANGUAGE"), language);
            report("language", language);
        }
    }

    // One call of a player leafing through the pages, timed.
    void guiCall()
    {
        const char *const names[] = {"saveGameRecord", "unlockSkin", "selectSkin", "achievements"};
        QElapsedTimer clock;
        clock.start();
        const bool ok = calls % 4 == 0
                ? core.saveGameRecord(QString(), "endless", calls % 9, "wall", "", "")
                : calls % 4 == 1 ? core.unlockSkin(kSkins[calls / 4 % 9])
                : calls % 4 == 2 ? core.selectSkin(kSkins[calls / 4 % 9])
                                 : core.achievements().value(QStringLiteral("ok")).toBool();
        report(ok ? "call" : "failed", names[calls++ % 4], clock.elapsed());
    }

    // Mostly small scores, so the total-score and streak achievements stay
    // locked a good while and their progress is worth checking; now and then
    // a big one. Drawn one after the other: argument order is unspecified.
    QVariantMap nextRun(const QString &id)
    {
        const unsigned roll = random() % 100;
        if (roll % 2) {
            replayed.insert(id);
            const quint64 seed = random();
            QVariantMap run = replayedRun(id, seed, int(random() % 40));
            run["startedAt"] = startedAt;
            return run;
        }
        QVariantMap run{
                {"id", id}, {"modeId", "endless"}, {"startedAt", startedAt}, {"endedAt", "e"}};
        run["score"] = int(random() % (roll < 60 ? 11 : roll < 95 ? 60 : 260));
        run["endReason"] = QLatin1String(kReasons[random() % 4]);
        run["maxSectionJumpCount"] = int(random() % 32);
        run["wallCollisionCount"] = int(random() % 3);
        return run;
    }

    ApplicationCore core;
    std::mt19937 random;
    QString prefix, startedAt;
    int runs, submitted = 0, inFlight = 0, calls = 0;
    QMap<QString, QStringList> acknowledging;
    QSet<QString> replayed;
    QTimer guiCalls;
};

int keepRuns(char **argv)
{
    const QString prefix = QString::number(unsigned(atoll(argv[2])));
    const int runs = atoi(argv[3]);
    ApplicationCore core;
    RunKeeper keeper;
    report("ready");
    for (int i = 0; i < runs && keeper.unsavedIds().size() < 3; ++i) {
        const QString id = QStringLiteral("%1-%2").arg(prefix).arg(i);
        QVariantMap run = replayedRun(id, quint64(i) * 7919u + 1, 30);
        run["startedAt"] = QString(3000, QLatin1Char('x'));
        QEventLoop settled;
        keeper.submit(&core, run);
        // Connected after the keeper's own: it has answered when this runs.
        QObject::connect(&core, &ApplicationCore::gameSettled, &settled, &QEventLoop::quit);
        settled.exec();
        report(keeper.unsavedIds().contains(id) ? "kept" : "run", id);
    }
    keeper.storeKept(&core);
    for (const QString &id : keeper.unsavedIds())
        report("unsaved", id);
    report("done");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const qlonglong limit = qgetenv("HOPLIX_CHILD_FILE_LIMIT").toLongLong();
    const rlimit fileSize{rlim_t(limit), rlim_t(limit)};
    if (argc != 4
        || (limit > 0
            && (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &fileSize))))
        return 2;
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("org.hoplix"));
    QCoreApplication::setApplicationName(QStringLiteral("harbour-Hoplix"));
    if (qstrcmp(argv[1], "keep") == 0)
        return keepRuns(argv);
    Driver driver(argv, limit > 0);
    driver.feed();
    return app.exec();
}

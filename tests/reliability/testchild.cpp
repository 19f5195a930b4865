// A helper process for the reliability tests. It drives ApplicationCore the
// way the front end does and reports every answer on stdout, one line each,
// flushed at once, so a parent that kills it knows exactly what it was told.
//
//   hoplix-testchild settle <seed> <prefix>
//       settles runs (all in one mode) until it is killed, a few queued at a
//       time, with a synchronous save on the GUI thread now and then.
//   hoplix-testchild fill <seed> <prefix> <file-size-limit> <runs>
//       the same with the file-size limit set and SIGXFSZ ignored, so the
//       database cannot grow past the limit; exits after <runs> runs.
//   hoplix-testchild session <seed> <prefix> <runs> <first-language>
//       the same without limit, and after the answers also what the front
//       end does besides: acknowledges every reward, unlocks and selects
//       skins, and stores a rising language index from <first-language> on.
//   hoplix-testchild backlog <seed> <prefix> <runs>
//       queues all <runs> at once, and while the worker settles them the
//       GUI thread makes one call every 20 ms, faster than a player leafing through
//       the pages would: saveGameRecord, unlockSkin, selectSkin or
//       achievements, each timed.
//
// Lines: "ready", "settled <id> <0|1>", "saved <id> <0|1>", "done"; in a
// session also "acknowledged <request> <0|1> <code,code...>",
// "unlocked <skin> <0|1>", "selected <skin> <0|1>", "language <index>";
// in a backlog "call <name> <0|1> <milliseconds>".
// Each line is one write(2) on standard output, so a tracer of the
// process's writes sees it at the moment it is told.

#include "app/applicationcore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QTimer>
#include <QVariantMap>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const char *const kReasons[] = {"wall", "block", "fall", "abandoned"};
const char *const kSkins[] = {"confident", "dizzy",    "money",    "default",   "clown",
                              "injured",   "smirking", "shouting", "determined"};

void report(const QString &line)
{
    const QByteArray text = (line + QLatin1Char('\n')).toUtf8();
    if (::write(STDOUT_FILENO, text.constData(), size_t(text.size())) != text.size())
        std::abort();
}

class Driver : public QObject
{
public:
    Driver(unsigned seed, const QString &prefix, int runs, int padding, int language)
        : random(seed)
        , prefix(prefix)
        , runs(runs)
        , padding(padding)
        , language(language)
    {
        connect(&core, &ApplicationCore::gameSettled, this,
                [this](const QString &gameId, bool success, const QVariantList &rewards, int) {
                    report(QStringLiteral("settled %1 %2").arg(gameId).arg(success ? 1 : 0));
                    --inFlight;
                    if (this->language >= 0)
                        actLikeFrontEnd(rewards);
                    feed();
                });
        connect(&core, &ApplicationCore::skinRewardsAcknowledged, this,
                [this](const QString &requestId, bool success) {
                    report(QStringLiteral("acknowledged %1 %2 %3")
                                   .arg(requestId)
                                   .arg(success ? 1 : 0)
                                   .arg(acknowledging.take(requestId)));
                    feed();
                });
        report(QStringLiteral("ready"));
    }

    // After an answer: collect its rewards, and now and then change the
    // skin or the language, each reported once it returned.
    void actLikeFrontEnd(const QVariantList &rewards)
    {
        QStringList codes;
        for (const QVariant &reward : rewards)
            codes << reward.toMap().value(QStringLiteral("code")).toString();
        const QString requestId = QStringLiteral("%1-a%2").arg(prefix).arg(submitted);
        if (!codes.isEmpty() && !acknowledging.contains(requestId)
            && core.acknowledgeSkinRewards(requestId, QVariantList() << codes))
            acknowledging.insert(requestId, codes.join(QLatin1Char(',')));
        const unsigned roll = random() % 6;
        if (roll < 2) {
            const QString skin = QLatin1String(kSkins[random() % 9]);
            report(QStringLiteral("unlocked %1 %2").arg(skin).arg(int(core.unlockSkin(skin))));
            report(QStringLiteral("selected %1 %2").arg(skin).arg(int(core.selectSkin(skin))));
        } else if (roll == 2) {
            ++language;
            core.setAppSetting(QStringLiteral("APP_SETTING"), QStringLiteral("LANGUAGE"), language);
            report(QStringLiteral("language %1").arg(language));
        }
    }

    void startBacklog()
    {
        queueDepth = runs;
        connect(&guiCalls, &QTimer::timeout, this, [this] { guiCall(); });
        guiCalls.start(20);
    }

    void guiCall()
    {
        const char *const names[] = {"saveGameRecord", "unlockSkin", "selectSkin", "achievements"};
        const int which = calls % 4;
        const QString skin = QLatin1String(kSkins[(calls / 4) % 9]);
        QElapsedTimer clock;
        clock.start();
        bool ok = false;
        switch (which) {
        case 0:
            ok = core.saveGameRecord(QString(), "endless", calls % 9, "wall", "", "");
            break;
        case 1:
            ok = core.unlockSkin(skin);
            break;
        case 2:
            ok = core.selectSkin(skin);
            break;
        default:
            ok = core.achievements().value(QStringLiteral("ok")).toBool();
            break;
        }
        report(QStringLiteral("call %1 %2 %3")
                       .arg(QLatin1String(names[which]))
                       .arg(int(ok))
                       .arg(clock.elapsed()));
        ++calls;
    }

    void feed()
    {
        // A few runs queued at once, so the worker always has the next one
        // waiting when the kill lands.
        while (inFlight < queueDepth && (runs < 0 || submitted < runs)) {
            const QVariantMap run = nextRun(QStringLiteral("%1-%2").arg(prefix).arg(submitted));
            ++submitted;
            if (core.submitGameRecord(run))
                ++inFlight;
            else
                report(QStringLiteral("refused ") + run.value(QStringLiteral("id")).toString());
            // Now and then the GUI thread writes too, competing for the lock.
            if (!guiCalls.isActive() && random() % 4 == 0) {
                const QVariantMap s = nextRun(QStringLiteral("%1-s%2").arg(prefix).arg(submitted));
                const auto count = [&s](const char *key) { return s.value(key).toInt(); };
                const bool saved = core.saveGameRecord(
                        s.value("id").toString(), s.value("modeId").toString(), count("score"),
                        s.value("endReason").toString(), s.value("startedAt").toString(),
                        s.value("endedAt").toString(), 1.5, -2.0, count("jumpCount"),
                        count("maxSectionJumpCount"), count("wallCollisionCount"),
                        count("blockCollisionCount"));
                report(QStringLiteral("saved %1 %2").arg(s.value("id").toString()).arg(int(saved)));
            }
        }
        if (inFlight == 0 && acknowledging.isEmpty() && runs >= 0 && submitted >= runs) {
            guiCalls.stop();
            report(QStringLiteral("done"));
            QCoreApplication::quit();
        }
    }

private:
    // Mostly small scores, so the total-score and streak achievements stay
    // locked for a good while and their progress is worth checking; now and
    // then a big one that unlocks a best-score achievement. Drawn one after
    // the other: the order of arguments is unspecified.
    QVariantMap nextRun(const QString &id)
    {
        const unsigned roll = random() % 100;
        const int score = int(random() % (roll < 60 ? 11 : roll < 95 ? 60 : 260));
        QVariantMap run{{"id", id},
                        {"modeId", "endless"},
                        {"score", score},
                        {"startedAt", "2025-01-31T08:05:09Z" + QString(padding, QLatin1Char('x'))},
                        {"endedAt", "2025-01-31T08:06:00Z"}};
        run.insert("endReason", QLatin1String(kReasons[random() % 4]));
        run.insert("deathWorldY", double(random() % 1000) / 7.0);
        run.insert("deathWorldX", double(random() % 1000) / 3.0);
        run.insert("jumpCount", int(random() % 200));
        run.insert("maxSectionJumpCount", int(random() % 32));
        run.insert("wallCollisionCount", int(random() % 3));
        run.insert("blockCollisionCount", int(random() % 3));
        return run;
    }

    ApplicationCore core;
    std::mt19937 random;
    QString prefix;
    int runs;
    int padding;
    int language; // -1: no front-end actions
    QMap<QString, QString> acknowledging;
    int submitted = 0;
    int inFlight = 0;
    int queueDepth = 3;
    QTimer guiCalls;
    int calls = 0;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s settle|fill|session|backlog <seed> <prefix> [...]\n",
                     argv[0]);
        return 2;
    }
    const QByteArray mode = argv[1];
    int runs = -1;
    int padding = 0;
    int language = -1;
    if (mode == "backlog") {
        if (argc < 5)
            return 2;
        runs = QByteArray(argv[4]).toInt();
    } else if (mode == "session") {
        if (argc < 6)
            return 2;
        runs = QByteArray(argv[4]).toInt();
        language = QByteArray(argv[5]).toInt();
    } else if (mode == "fill") {
        if (argc < 6)
            return 2;
        // The limit covers every regular file this process writes: the
        // database, its journal and the settings file.
        struct rlimit limit;
        limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(QByteArray(argv[4]).toLongLong());
        std::signal(SIGXFSZ, SIG_IGN);
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
        runs = QByteArray(argv[5]).toInt();
        padding = 3000;
    }

    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("org.hoplix"));
    QCoreApplication::setApplicationName(QStringLiteral("harbour-Hoplix"));

    Driver driver(QByteArray(argv[2]).toUInt(), QString::fromLocal8Bit(argv[3]), runs, padding,
                  language);
    if (mode == "backlog")
        driver.startBacklog();
    driver.feed();
    return app.exec();
}

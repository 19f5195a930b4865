// 8. Replays: settling a run with its replay against the same run without
// (interleaved, so a drift of the disk falls on both), the stored bytes per
// minute of play, and decoding and verifying ten minutes of replays against
// one frame.

#include "replaybench.h"

#include "app/applicationcore.h"
#include "game/gameautopilot.h"
#include "game/gamesimulation.h"
#include "game/replay.h"
#include "storage/databaseconnection.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace {

// The autopilot's runs, one after the other, until `steps` of play.
std::vector<Replay> autopilotReplays(qint64 steps)
{
    std::vector<Replay> replays;
    qint64 played = 0;
    for (quint64 seed = 1; played < steps; ++seed) {
        Replay replay;
        replay.modeId = QStringLiteral("endless");
        replay.seed = seed;
        GameSimulation sim(seed);
        GameAutopilot pilot;
        int move = 1;
        while (!sim.ended() && played + sim.stepCount() < steps) {
            if (move != 0) {
                replay.taps.append({sim.stepCount() + 1, qint8(move)});
                sim.queueJump(move);
            }
            sim.step();
            move = pilot.decide(sim);
        }
        replay.steps = sim.stepCount();
        replay.abandoned = !sim.ended();
        played += replay.steps;
        replays.push_back(replay);
    }
    return replays;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double settleOne(ApplicationCore &core, const QVariantMap &snapshot)
{
    QEventLoop loop;
    QObject::connect(&core, &ApplicationCore::gameSettled, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    core.submitGameRecord(snapshot);
    loop.exec();
    return double(timer.nsecsElapsed());
}

QString ms(double ns)
{
    return QString::number(ns / 1e6, 'f', 2) + QStringLiteral(" ms");
}

} // namespace

void replayBenchmarks(AddRow addRow, AddGoal goal)
{
    // One minute of the autopilot's play, as one run.
    const std::vector<Replay> minute = autopilotReplays(60LL * GameSimulation::StepsPerSecond);
    const Replay &longest
            = *std::max_element(minute.begin(), minute.end(),
                                [](const Replay &a, const Replay &b) { return a.steps < b.steps; });
    RunSummary run = longest.replayed(QString(), QStringLiteral("s"), QStringLiteral("e"));
    const QByteArray bytes = longest.encode();

    QTemporaryDir dir;
    DatabaseConnection::closeConnection();
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    {
        ApplicationCore core;
        std::vector<double> with, without;
        for (int i = 0; i < 210; ++i) {
            run.id = QStringLiteral("plain-%1").arg(i);
            run.hasReplay = false;
            const double plain = settleOne(core, run.toSnapshot());
            run.id = QStringLiteral("replayed-%1").arg(i);
            run.hasReplay = true;
            run.replay = bytes;
            const double replayed = settleOne(core, run.toSnapshot());
            if (i >= 10) { // the first warm the worker's connection
                without.push_back(plain);
                with.push_back(replayed);
            }
        }
        const double a = median(with), b = median(without);
        addRow(QStringLiteral("8 settlement with a %1 s run's replay: median")
                       .arg(longest.steps / GameSimulation::StepsPerSecond),
               ms(a), QStringLiteral("the same run without: ") + ms(b),
               QString::number(a / b, 'f', 2) + QStringLiteral("x"));
        goal(QStringLiteral("settlement with a replay / without"), a / b, 1.1, true);
    }
    DatabaseConnection::closeConnection();

    // Ten minutes of play: its stored size and the cost of checking it.
    const std::vector<Replay> tenMinutes = autopilotReplays(600LL * GameSimulation::StepsPerSecond);
    std::vector<QByteArray> stored;
    qint64 size = 0;
    int taps = 0;
    for (const Replay &replay : tenMinutes) {
        stored.push_back(replay.encode());
        size += stored.back().size();
        taps += replay.taps.size();
    }
    addRow(QStringLiteral("8 replay bytes per minute of play (%1 taps in 10 min)").arg(taps),
           QString::number(size / 10) + QStringLiteral(" B"),
           QStringLiteral("10 minutes in 4 KB: 410 B"),
           QString::number(double(size) / 4096.0, 'f', 2) + QStringLiteral("x"));
    std::vector<double> checks;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (size_t i = 0; i < stored.size(); ++i) {
            Replay read;
            const RunSummary expected = tenMinutes[i].replayed(QString(), QString(), QString());
            timer.restart();
            if (!Replay::decode(stored[i], read) || !read.matches(expected))
                qWarning("replay %d does not verify", int(i));
            checks.push_back(double(timer.nsecsElapsed()));
        }
    }
    // Per round: the sum over the ten minutes.
    std::vector<double> rounds;
    for (size_t r = 0; r < 5; ++r) {
        double sum = 0;
        for (size_t i = 0; i < stored.size(); ++i)
            sum += checks[r * stored.size() + i];
        rounds.push_back(sum);
    }
    const double check = median(rounds);
    addRow(QStringLiteral("8 decoding and verifying 10 minutes of replays"), ms(check),
           QStringLiteral("frame: 16.7 ms"),
           QString::number(check / 16.7e6, 'f', 2) + QStringLiteral("x"));
    goal(QStringLiteral("verifying 10 minutes of play / one frame"), check / 16.7e6, 1, true);
}

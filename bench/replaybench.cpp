#include "replaybench.h"

#include "game/gamesession.h"
#include "game/gamesimulation.h"
#include "game/replay.h"
#include "game/runsnapshot.h"
#include "game/runsummary.h"

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

namespace {

const qint64 TenMinutes = 600LL * GameSimulation::StepsPerSecond;

struct Played
{
    RunSummary run;
    QByteArray replay;
};

// Runs the autopilot plays through the session, as the page would hand them
// on, until they add up to ten minutes.
std::vector<Played> playTenMinutes()
{
    std::vector<Played> plays;
    qint64 steps = 0;
    GameSession session;
    QVariantMap ended;
    QObject::connect(&session, &GameSession::runEnded,
                     [&ended](const QVariantMap &snapshot) { ended = snapshot; });
    for (quint64 seed = 1; steps < TenMinutes; ++seed) {
        session.prepare(QStringLiteral("endless"), QStringLiteral("bench"), QString::number(seed));
        while (session.state() != GameSession::Over
               && steps + session.simulation().stepCount() < TenMinutes)
            session.autoplay(600);
        if (session.state() != GameSession::Over)
            session.abandon();
        steps += session.simulation().stepCount();
        Played play;
        RunSummary::fromSnapshot(ended, play.run);
        play.replay = play.run.replay;
        plays.push_back(play);
    }
    return plays;
}

} // namespace

void replayRows(const BenchRow &row, const BenchGoal &goal)
{
    const std::vector<Played> plays = playTenMinutes();
    qint64 bytes = 0;
    qint64 steps = 0;
    int taps = 0;
    for (const Played &play : plays) {
        Replay replay;
        Replay::decode(play.replay, replay);
        bytes += play.replay.size();
        steps += replay.steps;
        taps += replay.taps.size();
    }
    const double minutes = double(steps) / (60.0 * GameSimulation::StepsPerSecond);
    // 4 KB for ten minutes is the most a replay may take.
    const double perMinute = double(bytes) / minutes;
    row(QStringLiteral("9 replay bytes per minute of play (%1 runs, %2 taps)")
                .arg(plays.size())
                .arg(taps),
        QString::number(perMinute, 'f', 0) + QStringLiteral(" B"),
        QStringLiteral("goal: 410 B (4 KB per 10 min)"),
        QString::number(perMinute / 409.6, 'f', 2) + QLatin1Char('x'));
    goal(QStringLiteral("replay size per minute against 4 KB per 10 minutes"), perMinute / 409.6,
         1.0);

    // Ten minutes with 1,500 taps, as a busy player makes them.
    Replay busy;
    busy.modeId = QStringLiteral("endless");
    busy.seed = Q_UINT64_C(0x9e3779b97f4a7c15);
    busy.steps = TenMinutes;
    for (int i = 1; i <= 1500; ++i)
        busy.taps.append({qint64(i) * (TenMinutes / 1500) - i % 17, qint8(i % 3 ? 1 : -1)});
    const int busyBytes = busy.encode().size();
    row(QStringLiteral("9 replay of 10 minutes with 1,500 taps"),
        QString::number(busyBytes) + QStringLiteral(" B"), QStringLiteral("goal: 4096 B"),
        QString::number(busyBytes / 4096.0, 'f', 2) + QLatin1Char('x'));

    // Decoding and re-simulating ten minutes of play, checked against the
    // runs' own figures: what a stored or pasted replay costs before it plays.
    std::vector<double> times;
    int matched = 0;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer timer;
        timer.start();
        matched = 0;
        for (const Played &play : plays) {
            Replay replay;
            if (Replay::decode(play.replay, replay) && replay.matches(play.run))
                ++matched;
        }
        times.push_back(double(timer.nsecsElapsed()));
    }
    const double best = *std::min_element(times.begin(), times.end());
    const double frame = 1e9 / 60.0;
    row(QStringLiteral("9 decode and verify 10 minutes of replay (%1 of %2 match)")
                .arg(matched)
                .arg(plays.size()),
        QString::number(best / 1e6, 'f', 2) + QStringLiteral(" ms"),
        QStringLiteral("one frame: 16.7 ms"),
        QString::number(best / frame, 'f', 2) + QLatin1Char('x'));
    goal(QStringLiteral("decoding and verifying 10 minutes of replay against a frame"),
         best / frame, 1.0);
}

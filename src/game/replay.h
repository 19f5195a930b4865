#ifndef REPLAY_H
#define REPLAY_H

#include "game/runsummary.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// A run as what it takes to play it again: the rules it was played by, the
// tower's seed, and every tap with the step that took it. The simulation is
// deterministic, so nothing else is needed to see the same run, bit for bit.
//
// Stored with the run and shared as a code, so the format is compact and
// versioned (see replay.cpp), and decoding trusts nothing it reads.
class Replay
{
public:
    struct Tap
    {
        // The simulation step (1 for the first step of the run) that
        // applied the tap.
        qint64 step;
        // -1 left, +1 right.
        qint8 side;
    };

    // The rules this build plays by; a replay made under other rules is
    // never played as if it were one of this version's.
    static const quint32 CurrentRules = 1;
    // Beyond these a replay is refused: a 10-minute run has about 1,500 taps,
    // and the simulation's queue takes one tap a step.
    static const int MaxTaps = 200000;
    static const qint64 MaxSteps = qint64(4) * 3600 * 120;
    static const int MaxModeIdLength = 32;

    quint32 rules = CurrentRules;
    QString modeId;
    quint64 seed = 0;
    QVector<Tap> taps;
    // The steps the run lasted; an abandoned run stops here without ending.
    qint64 steps = 0;
    bool abandoned = false;

    bool isCurrentRules() const { return rules == CurrentRules; }

    QByteArray encode() const;
    // False, with why in error, for anything that is not a whole replay of
    // a known format: nothing of a refused replay is kept in replay.
    static bool decode(const QByteArray &bytes, Replay &replay, QString *error = nullptr);

    // A text code to hand to someone else: a version, the replay and a
    // checksum, in URL-safe base64. Spaces and line breaks are ignored on
    // the way in, since codes get pasted from messages.
    QString toCode() const;
    static bool fromCode(const QString &code, Replay &replay, QString *error = nullptr);

    // Plays the replay through the simulation and describes the run it
    // gives. Only for replays of the current rules.
    RunSummary replayed(const QString &id, const QString &startedAt, const QString &endedAt) const;
    // True when the replay plays to exactly the run's figures.
    bool matches(const RunSummary &run, QString *error = nullptr) const;
};

#endif // REPLAY_H

#ifndef REPLAYSERVICE_H
#define REPLAYSERVICE_H

#include "game/replay.h"
#include "game/runsummary.h"

#include <QObject>
#include <QString>

class ReplayDao;

// Stands between the stored replays and whoever stores or shows a run:
// only a whole replay of this version's rules is ever stored, and only one
// that plays to its run's own figures is ever shown as that run. Does
// not own its DAO, which may be null; every operation then answers "none".
class ReplayService : public QObject
{
    Q_OBJECT
public:
    explicit ReplayService(ReplayDao *dao, QObject *parent = nullptr);

    // Whether the run's replay may be stored with it: it decodes, is of
    // this version's rules and of the run's mode. A run that came
    // with one that may not is still a run: the warning names it and says
    // why. False without a word for a run that came without a replay.
    static bool verify(const RunSummary &run, Replay &replay);

    // Stores a verified replay of a stored run inside the caller's write
    // transaction, in a savepoint of its own: a failure costs the replay
    // only. False when it failed.
    bool store(const RunSummary &run, const Replay &replay);

    // The stored run's replay when it has one that still plays to the
    // stored figures; false otherwise (a damaged one also warns).
    bool replayOf(const QString &runId, Replay &replay);

private:
    ReplayDao *dao;
};

#endif // REPLAYSERVICE_H

#ifndef REPLAYBENCH_H
#define REPLAYBENCH_H

#include <QString>

#include <functional>

// The replay rows: how many bytes a minute of play takes, and decoding and
// re-simulating ten minutes of replays against a frame.
using BenchRow = std::function<void(const QString &benchmark, const QString &figure,
                                    const QString &anchor, const QString &ratio)>;
using BenchGoal = std::function<void(const QString &what, double ratio, double limit)>;

void replayRows(const BenchRow &row, const BenchGoal &goal);

#endif // REPLAYBENCH_H

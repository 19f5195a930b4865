#ifndef REPLAYBENCH_H
#define REPLAYBENCH_H

#include <QString>

// The replays' costs, as rows of the benchmark program's table.
using AddRow = void (*)(const QString &benchmark, const QString &figure, const QString &anchor,
                        const QString &ratio);
using AddGoal = void (*)(const QString &what, double ratio, double limit, bool atMost);

void replayBenchmarks(AddRow addRow, AddGoal goal);

#endif // REPLAYBENCH_H

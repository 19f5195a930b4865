#ifndef BENCHROWS_H
#define BENCHROWS_H

#include <QString>

// One row of the benchmark's table: what was measured, its figure, the
// anchor measured in the same run, and the ratio of the two.
void addRow(const QString &benchmark, const QString &figure, const QString &anchor,
            const QString &ratio);

// The process's resident memory, -1 where /proc does not tell.
long residentKiB();

// The front end's frames and CPU at rest and in play, its start-up, and
// what sound costs (framebench.cpp).
void frameCosts();

#endif // BENCHROWS_H

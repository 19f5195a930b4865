#ifndef SETTLEMENTCONTEXT_H
#define SETTLEMENTCONTEXT_H

#include <QString>

// What the progress rules read for one run. Filled once before the run is
// stored, so the totals and the previous run never include the run itself.
struct SettlementContext
{
    int score = 0;
    int maxSectionJumpCount = 0;
    int wallCollisionCount = 0;
    int blockCollisionCount = 0;
    QString endReason;
    qint64 totalScore = 0;
    qint64 totalCollisions = 0;
    int streak = 0;
    int previousScore = 0;
    bool previousDied = false;

    static bool isDeathReason(const QString &endReason);
    static bool isEndReason(const QString &endReason);
};

#endif // SETTLEMENTCONTEXT_H

#ifndef RUNTOTALS_H
#define RUNTOTALS_H

#include <QSqlDatabase>

// Per-mode totals of the stored runs (count, score, collisions, best score)
// in a table of their own, kept by triggers on game_records, with indexes by
// mode: a settlement reads its mode's figures without scanning every run.
//
// Everything here is additive. The triggers live in the file, so any program
// that writes game_records, an earlier version of this one included, keeps
// the totals equal to the sums of the runs. Where the objects cannot be
// added (a read-only file, a full disk), the connection goes on without them
// and the readers fall back to scanning the runs, as before.
class RunTotals
{
public:
    // Adds whatever is missing, in one transaction, and fills the totals
    // from the stored runs when they were not kept until now. Returns whether
    // the totals can be used on this connection; also remembered for it.
    static bool install(const QSqlDatabase &db);
    // Whether they are all in the file, without adding any; remembered like install().
    static bool check(const QSqlDatabase &db);
    // Whether the calling thread's connection found or added them.
    static bool available();
    // Forgets the calling thread's answer; when its connection closes.
    static void forget();

private:
    RunTotals() = delete;
};

#endif // RUNTOTALS_H

#ifndef WRITETRANSACTION_H
#define WRITETRANSACTION_H

#include <QSqlDatabase>

// One write transaction on a thread's connection, bound to a scope: it begins
// with "BEGIN IMMEDIATE", commits only when told to, and rolls back in its
// destructor otherwise, so no early return can leave a transaction open on
// the connection (every later write of that thread would fail).
//
// "BEGIN IMMEDIATE" takes SQLite's write lock up front. A plain BEGIN that
// reads and then writes can fail at once with "database is locked" while the
// other thread's connection writes, because SQLite will not wait where
// waiting could deadlock; taking the lock first lets the busy timeout work.
//
// Before it asks SQLite, a transaction waits for its turn among the other
// threads of the process, which queue in arrival order; so the worker
// settling a backlog cannot keep the GUI thread from writing. The turn is
// held until the commit or rollback.
class WriteTransaction
{
public:
    explicit WriteTransaction(const QSqlDatabase &db);
    ~WriteTransaction();

    // Whether the transaction began and is still open.
    bool isActive() const { return active; }
    // Commits. False when not active or the commit failed; the rollback then
    // still happens at the end of the scope.
    bool commit();
    // Rolls back now rather than at the end of the scope.
    void rollback();

private:
    Q_DISABLE_COPY(WriteTransaction)

    void releaseTurn();

    QSqlDatabase db;
    bool active;
    bool hasTurn;
};

#endif // WRITETRANSACTION_H

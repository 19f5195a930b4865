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
//
// Opened while another is open on the same thread, it is a savepoint inside
// that one instead (and needs no turn of its own): its commit keeps its
// writes for the outer transaction to commit, its rollback undoes only its
// own. A settlement uses this to commit the catalogue refresh and the run
// together, while a refused run still leaves the refresh in place.
class WriteTransaction
{
public:
    explicit WriteTransaction(const QSqlDatabase &db);
    ~WriteTransaction();

    // Whether the transaction began and is still open.
    bool isActive() const { return active; }
    // Whether this is a savepoint inside an outer transaction.
    bool isNested() const { return nested; }
    // Commits (releases the savepoint). False when not active or the commit
    // failed; the rollback then still happens at the end of the scope.
    bool commit();
    // The error of the transaction's most recent statement (its begin, commit
    // or rollback); empty when it succeeded.
    QString lastError() const { return errorText; }
    // Rolls back now rather than at the end of the scope.
    void rollback();

private:
    Q_DISABLE_COPY(WriteTransaction)

    void releaseTurn();
    bool execute(const char *statement);

    QSqlDatabase db;
    QString errorText;
    bool nested;
    bool active;
    bool hasTurn;
};

#endif // WRITETRANSACTION_H

#include "storage/writetransaction.h"

#include "storage/databaseconnection.h"
#include "storage/preparedstatement.h"

#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QWaitCondition>

namespace {

// Prepared once per connection like every other statement: a settlement
// runs four of them, and preparing each afresh cost about as much as one
// of its row writes.
//
// Every savepoint has the same name. SQLite's RELEASE and ROLLBACK TO act on
// the most recent savepoint of that name, which is always the innermost one
// here because the transactions are bound to nested scopes.
const char kBeginImmediate[] = "BEGIN IMMEDIATE";
const char kCommit[] = "COMMIT";
const char kRollback[] = "ROLLBACK";
const char kSavepoint[] = "SAVEPOINT nested";
const char kRelease[] = "RELEASE nested";
const char kRollbackToSavepoint[] = "ROLLBACK TO nested";

// Transactions open on this thread's connection, the outermost included.
thread_local int openTransactions = 0;

// As long as SQLite's busy timeout: a turn that takes longer is held by a
// transaction that itself waits for another process, and then SQLite's own
// waiting decides.
const int kTurnTimeoutMs = 5000;

// The turn to write, shared by the connections of every thread of this
// process. SQLite's busy handler polls: a thread that finds the write lock
// taken sleeps and tries again, and a writer that commits and begins at once
// (the worker on a backlog of settlements) has the lock back long before the
// sleeper looks, so the GUI thread could wait out the whole busy timeout and
// fail. Here the threads queue in the order they came and take the lock one
// after the other, so a writer waits only for the transactions ahead of it.
// Other processes are still kept apart by SQLite's locking and busy timeout.
class WriteTurn
{
public:
    static WriteTurn &instance()
    {
        static WriteTurn turn;
        return turn;
    }

    // Waits for this thread's turn; false when the wait timed out. A thread
    // that has the turn already gets it again (and gives it back as often).
    bool take()
    {
        QMutexLocker locker(&mutex);
        const Qt::HANDLE self = QThread::currentThreadId();
        if (holder == self) {
            ++depth;
            return true;
        }
        const quint64 ticket = nextTicket++;
        waiting.append(ticket);
        QElapsedTimer clock;
        clock.start();
        while (holder || waiting.first() != ticket) {
            const qint64 left = kTurnTimeoutMs - clock.elapsed();
            if (left <= 0) {
                waiting.removeOne(ticket);
                changed.wakeAll(); // the next in line may be first now
                return false;
            }
            changed.wait(&mutex, static_cast<unsigned long>(left));
        }
        waiting.removeFirst();
        holder = self;
        depth = 1;
        return true;
    }

    void give()
    {
        QMutexLocker locker(&mutex);
        if (--depth > 0)
            return;
        holder = nullptr;
        changed.wakeAll();
    }

private:
    WriteTurn() = default;

    QMutex mutex;
    QWaitCondition changed;
    quint64 nextTicket = 0;
    QList<quint64> waiting; // tickets, in the order they were drawn
    Qt::HANDLE holder = nullptr;
    int depth = 0;
};

} // namespace

WriteTransaction::WriteTransaction(const QSqlDatabase &database)
    : db(database)
    , nested(false)
    , active(false)
    , hasTurn(false)
{
    if (!db.isOpen())
        return;
    if (openTransactions > 0) {
        nested = true;
        active = execute(kSavepoint);
    } else {
        hasTurn = WriteTurn::instance().take();
        active = execute(kBeginImmediate);
        if (!active)
            releaseTurn();
    }
    if (active)
        ++openTransactions;
}

WriteTransaction::~WriteTransaction()
{
    rollback();
}

bool WriteTransaction::commit()
{
    if (!active)
        return false;
    // A failed commit leaves the transaction to the destructor (or rollback()),
    // so the caller can still read the commit's error first.
    if (!execute(nested ? kRelease : kCommit))
        return false;
    active = false;
    --openTransactions;
    releaseTurn();
    return true;
}

void WriteTransaction::rollback()
{
    if (!active)
        return;
    active = false;
    --openTransactions;
    if (nested) {
        // Undoes the savepoint's writes; the release then closes it.
        execute(kRollbackToSavepoint);
        execute(kRelease);
    } else {
        execute(kRollback);
    }
    releaseTurn();
}

void WriteTransaction::releaseTurn()
{
    if (hasTurn)
        WriteTurn::instance().give();
    hasTurn = false;
}

bool WriteTransaction::execute(const char *statement)
{
    // The cache holds the statements of this thread's own connection; a
    // transaction on any other runs its statement unprepared.
    if (db.connectionName() != DatabaseConnection::connectionName()) {
        QSqlQuery query(db);
        const bool ok = query.exec(QLatin1String(statement));
        errorText = query.lastError().text();
        return ok;
    }
    PreparedStatement prepared(statement);
    const bool ok = prepared.isPrepared() && prepared->exec();
    errorText = prepared->lastError().text();
    return ok;
}

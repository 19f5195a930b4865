#ifndef PREPAREDSTATEMENT_H
#define PREPAREDSTATEMENT_H

#include <QSqlQuery>

#include <memory>

// One of the calling thread's prepared statements, for the length of a scope.
// Each statement text is prepared once per connection and kept for the
// thread; the scope ends with finish(), so no statement holds a read
// snapshot open between uses (that would keep the write-ahead log from
// being checkpointed). A statement already in use further up the stack is
// prepared afresh for the inner scope instead.
//
// The texts are named literals (laid out as SQLText::statement reads them);
// the cache is keyed by their address, so only static texts belong here.
class PreparedStatement
{
public:
    explicit PreparedStatement(const char *laidOut);
    ~PreparedStatement();

    QSqlQuery &query() { return *current; }
    QSqlQuery *operator->() { return current; }
    // Whether the statement could be prepared; when not, query() carries the
    // error and every exec() fails.
    bool isPrepared() const { return prepared; }

    // Drops the calling thread's statements; before its connection closes.
    static void releaseThreadStatements();

    struct Cached; // one kept statement, defined where the cache lives

private:
    Q_DISABLE_COPY(PreparedStatement)

    std::shared_ptr<Cached> cached;
    QSqlQuery own;
    QSqlQuery *current;
    bool prepared;
};

#endif // PREPAREDSTATEMENT_H

#include "storage/preparedstatement.h"

#include "storage/databaseconnection.h"
#include "storage/sqltext.h"

#include <QHash>

struct PreparedStatement::Cached
{
    QSqlQuery query;
    bool inUse = false;
};

namespace {

// One connection per thread, so one set of statements per thread; dropped
// before the connection closes, or at the thread's end while it is still open.
thread_local QHash<const char *, std::shared_ptr<PreparedStatement::Cached>> statements;

bool prepare(QSqlQuery &query, const char *laidOut)
{
    query = QSqlQuery(DatabaseConnection::database());
    query.setForwardOnly(true);
    return query.prepare(SqlText::statement(laidOut));
}

} // namespace

PreparedStatement::PreparedStatement(const char *laidOut)
    : current(&own)
    , prepared(false)
{
    auto found = statements.constFind(laidOut);
    if (found == statements.constEnd()) {
        std::shared_ptr<Cached> fresh = std::make_shared<Cached>();
        // One that fails (a table not created yet) is not kept: the next use
        // tries again.
        if (!prepare(fresh->query, laidOut)) {
            own = fresh->query;
            return;
        }
        found = statements.insert(laidOut, fresh);
    }
    if (found.value()->inUse) {
        // The same statement further up the stack: a fresh one for this scope.
        prepared = prepare(own, laidOut);
        return;
    }
    cached = found.value();
    cached->inUse = true;
    current = &cached->query;
    prepared = true;
}

PreparedStatement::~PreparedStatement()
{
    current->finish();
    if (cached)
        cached->inUse = false;
}

void PreparedStatement::releaseThreadStatements()
{
    statements.clear();
}

#include "storage/writetransaction.h"

#include <QSqlQuery>

namespace {

const char kBeginImmediate[] = "BEGIN IMMEDIATE";

// Transactions open on this thread's connection, the outermost included.
thread_local int depth = 0;

} // namespace

WriteTransaction::WriteTransaction(const QSqlDatabase &database)
    : db(database)
    , active(false)
{
    if (!db.isOpen())
        return;
    if (depth > 0) {
        savepoint = QStringLiteral("nested_%1").arg(depth);
        active = execute(QStringLiteral("SAVEPOINT ") + savepoint);
    } else {
        active = execute(QLatin1String(kBeginImmediate));
    }
    if (active)
        ++depth;
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
    // so the caller can still read the commit's error from the connection.
    if (isNested() ? !execute(QStringLiteral("RELEASE ") + savepoint) : !db.commit())
        return false;
    active = false;
    --depth;
    return true;
}

void WriteTransaction::rollback()
{
    if (!active)
        return;
    active = false;
    --depth;
    if (isNested()) {
        // Undoes the savepoint's writes; the release then closes it.
        execute(QStringLiteral("ROLLBACK TO ") + savepoint);
        execute(QStringLiteral("RELEASE ") + savepoint);
    } else {
        db.rollback();
    }
}

bool WriteTransaction::execute(const QString &statement)
{
    QSqlQuery query(db);
    return query.exec(statement);
}

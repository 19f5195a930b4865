#include "storage/writetransaction.h"

#include <QSqlQuery>

namespace {

const char kBeginImmediate[] = "BEGIN IMMEDIATE";

} // namespace

WriteTransaction::WriteTransaction(const QSqlDatabase &database)
    : db(database)
    , active(false)
{
    if (db.isOpen()) {
        QSqlQuery begin(db);
        active = begin.exec(QLatin1String(kBeginImmediate));
    }
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
    if (!db.commit())
        return false;
    active = false;
    return true;
}

void WriteTransaction::rollback()
{
    if (!active)
        return;
    active = false;
    db.rollback();
}

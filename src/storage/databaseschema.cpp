#include "storage/databaseschema.h"

#include "storage/replaydao.h"
#include "storage/runtotals.h"
#include "storage/writetransaction.h"

#include <QDebug>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char kUserVersion[] = "PRAGMA user_version";
const char kSetUserVersion[] = "PRAGMA user_version=%1";

struct Step
{
    const char *name;
    bool (*apply)(const QSqlDatabase &db);
};

// In order: step n is entry n-1. Only ever appended to.
const Step kSteps[] = {
        {"run totals", &RunTotals::install},
        {"replays", &ReplayDao::install},
};
const int kStepCount = int(sizeof(kSteps) / sizeof(kSteps[0]));

} // namespace

int DatabaseSchema::latestVersion()
{
    return kStepCount;
}

int DatabaseSchema::version(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(QLatin1String(kUserVersion)) || !query.next())
        return -1;
    return query.value(0).toInt();
}

void DatabaseSchema::upgrade(const QSqlDatabase &db)
{
    const int found = version(db);
    if (found < 0 || found > kStepCount) {
        // Written by a later version (or unreadable): only read what is there.
        RunTotals::check(db);
        return;
    }
    for (int step = 1; step <= kStepCount; ++step) {
        const Step &s = kSteps[step - 1];
        if (step <= found) {
            // Applied before; a step puts back what another program took away.
            s.apply(db);
            continue;
        }
        WriteTransaction transaction(db);
        // Read again under the write lock: the other thread may be ahead.
        const int now = transaction.isActive() ? version(db) : -1;
        if (now < 0 || now > kStepCount) {
            RunTotals::check(db);
            return;
        }
        bool ok = s.apply(db);
        if (ok && now < step) {
            QSqlQuery query(db);
            ok = query.exec(QString::fromLatin1(kSetUserVersion).arg(step));
        }
        // A step that fails has said why; the file stays at the step before.
        if (!ok)
            return;
        if (!transaction.commit()) {
            qWarning() << "[DatabaseSchema]" << s.name << "not kept:" << transaction.lastError();
            RunTotals::forget();
            return;
        }
    }
}

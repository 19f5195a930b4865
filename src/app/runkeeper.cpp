#include "app/runkeeper.h"

#include "app/applicationcore.h"
#include "game/runsummary.h"

#include <QtQml>

namespace {

QObject *createKeeper(QQmlEngine *engine, QJSEngine *)
{
    return new RunKeeper(engine);
}

} // namespace

RunKeeper::RunKeeper(QObject *parent)
    : QObject(parent)
{ }

void RunKeeper::registerQmlType()
{
    qmlRegisterSingletonType<RunKeeper>("org.hoplix.hoplix", 1, 0, "RunKeeper", createKeeper);
}

bool RunKeeper::storeNow(QObject *core, const QVariantMap &snapshot)
{
    ApplicationCore *application = qobject_cast<ApplicationCore *>(core);
    if (!application) {
        qWarning("[RunKeeper] store failed: no ApplicationCore given");
        return false;
    }
    RunSummary run;
    if (!RunSummary::fromSnapshot(snapshot, run))
        return false;
    return application->saveGameRecord(run.id, run.modeId, run.score, run.endReason, run.startedAt,
                                       run.endedAt, run.deathWorldY, run.deathWorldX, run.jumpCount,
                                       run.maxSectionJumpCount, run.wallCollisionCount,
                                       run.blockCollisionCount);
}

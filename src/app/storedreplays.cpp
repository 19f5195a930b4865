#include "app/storedreplays.h"

#include "app/applicationcore.h"
#include "game/gamesession.h"
#include "game/replay.h"
#include "settlement/replayservice.h"
#include "storage/replaydao.h"

#include <QDate>
#include <QDateTime>

namespace {

// Runs looked at for the day's best: the best few, in case the best one's
// replay no longer plays.
const int kDayCandidates = 8;

} // namespace

StoredReplays::StoredReplays(QObject *parent)
    : QObject(parent)
{
    connect(&watch, &CoreWatch::changed, this, &StoredReplays::changed);
}

void StoredReplays::setCore(ApplicationCore *core)
{
    if (!watch.setCore(core))
        return;
    emit coreChanged();
    emit changed();
}

QString StoredReplays::codeOf(const QString &runId) const
{
    if (!core())
        return QString();
    ReplayDao dao;
    Replay replay;
    return ReplayService(&dao).replayOf(runId, replay) ? replay.toCode() : QString();
}

QString StoredReplays::bestOfDay(const QString &modeId) const
{
    if (!core())
        return QString();
    // The game stamps its runs in ISO 8601 UTC, so a day's runs sort
    // between its date and the next one's.
    const QDate today = QDateTime::currentDateTimeUtc().date();
    const quint64 towerOfToday = GameSession::seedFor(QStringLiteral("daily"), today);
    ReplayDao dao;
    ReplayService replays(&dao);
    for (const QString &runId :
         dao.bestWithReplay(modeId, today.toString(Qt::ISODate),
                            today.addDays(1).toString(Qt::ISODate), kDayCandidates)) {
        Replay replay;
        if (!replays.replayOf(runId, replay))
            continue;
        if (modeId == QLatin1String("daily") && replay.seed != towerOfToday)
            continue;
        return replay.toCode();
    }
    return QString();
}

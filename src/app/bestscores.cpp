#include "app/bestscores.h"

#include "app/applicationcore.h"

BestScores::BestScores(QObject *parent)
    : QObject(parent)
    , endlessBest(0)
    , dailyBest(0)
{
    connect(&watch, &CoreWatch::changed, this, &BestScores::refresh);
}

void BestScores::setCore(ApplicationCore *core)
{
    if (!watch.setCore(core))
        return;
    emit coreChanged();
    refresh();
}

int BestScores::of(const QString &modeId) const
{
    return core() ? core()->highestScore(modeId) : 0;
}

void BestScores::refresh()
{
    endlessBest = of(QStringLiteral("endless"));
    dailyBest = of(QStringLiteral("daily"));
    // Always: `of` answers for modes this object does not hold.
    emit changed();
}

#ifndef REPLAYDAO_H
#define REPLAYDAO_H

#include <QByteArray>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The stored replays of runs: one row per run in a table of its own,
// keyed by the run's id, holding the encoded replay as it came. A run
// never needs its replay, so the table is an addition (see DatabaseSchema):
// where it cannot be added, runs are stored without replays and every read
// here answers "none". Keeps no state; opens no transaction of its own.
class ReplayDao : public QObject
{
    Q_OBJECT
public:
    explicit ReplayDao(QObject *parent = nullptr);

    // The schema step: the table, and the trigger that takes a run's replay
    // away with the run (whichever program deletes it). Idempotent; false,
    // with a warning, where they cannot be added.
    static bool install(const QSqlDatabase &db);

    // Stores the replay of a stored run, keeping the one stored first when
    // the run has one already. False, with a warning, when it failed.
    bool insert(const QString &runId, quint32 rules, const QByteArray &bytes);
    // The run's stored bytes; empty when it has none or the read failed.
    QByteArray find(const QString &runId);
    bool exists(const QString &runId);
    // The runs of a mode started in [from, until) (ISO text) that have a
    // replay, best score first, at most limit.
    QStringList bestWithReplay(const QString &modeId, const QString &from, const QString &until,
                               int limit);
};

#endif // REPLAYDAO_H

#ifndef RUNKEEPER_H
#define RUNKEEPER_H

#include <QObject>
#include <QVariantMap>

// Keeps the runs that the settlement worker cannot take. At quit the facade
// accepts no more settlements, so the game page hands its last run here and
// it is stored at once, on the GUI thread, through
// ApplicationCore::saveGameRecord. A QML singleton: one keeper per engine,
// whichever page holds the run.
class RunKeeper : public QObject
{
    Q_OBJECT
public:
    explicit RunKeeper(QObject *parent = nullptr);

    // Registers the singleton "RunKeeper" under "org.hoplix.hoplix" 1.0.
    static void registerQmlType();

    // Stores the snapshot's run through `core`, an ApplicationCore, reading
    // the snapshot by the same rules as a settlement. True when the run was
    // stored (or was already, with the same values).
    Q_INVOKABLE bool storeNow(QObject *core, const QVariantMap &snapshot);
};

#endif // RUNKEEPER_H

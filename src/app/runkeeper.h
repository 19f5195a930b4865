#ifndef RUNKEEPER_H
#define RUNKEEPER_H

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>

class ApplicationCore;

// No run is lost without a word. The game page hands its runs here rather
// than to the facade: each goes on to the settlement worker, and one whose
// settlement fails (a full disk, a database another process holds) is kept,
// with its replay, and stored again through ApplicationCore::saveGameRecord
// after the next settlement that succeeds, and at quit. Kept runs are also
// written to a small file beside the database, so they outlive the process
// and are stored on a later start.
//
// At quit the facade accepts no more settlements: storeNow stores the last
// run at once, on the GUI thread. A QML singleton: one keeper per engine,
// whichever page holds the run.
class RunKeeper : public QObject
{
    Q_OBJECT
    // The ids of the runs kept and not stored yet, oldest first.
    Q_PROPERTY(QStringList unsavedIds READ unsavedIds NOTIFY unsavedChanged)
    // The ids of the runs kept at first and stored since, in this process.
    Q_PROPERTY(QStringList savedLaterIds READ savedLaterIds NOTIFY unsavedChanged)
public:
    explicit RunKeeper(QObject *parent = nullptr);

    // Registers the singleton "RunKeeper" under "org.hoplix.hoplix" 1.0.
    static void registerQmlType();

    QStringList unsavedIds() const;
    QStringList savedLaterIds() const { return savedLater; }

    // Submits the run's settlement through `core`, an ApplicationCore, and
    // keeps the run when the answer is a failure (or the facade refuses it).
    Q_INVOKABLE bool submit(QObject *core, const QVariantMap &snapshot);
    // Stores the kept runs, then the snapshot's run through `core`, reading
    // the snapshot by the same rules as a settlement, and its replay in the
    // same transaction. True when the run was stored (or was already, with
    // the same values); a run that could not be is kept.
    Q_INVOKABLE bool storeNow(QObject *core, const QVariantMap &snapshot);
    // Stores the kept runs, oldest first, up to the first that fails. True
    // when none is left.
    Q_INVOKABLE bool storeKept(QObject *core);

    // Where the kept runs are written.
    static QString filePath();

signals:
    void unsavedChanged();
    // A run kept as unsaved was stored.
    void runSaved(const QString &runId);

private:
    void watch(ApplicationCore *core);
    void onSettled(ApplicationCore *core, const QString &gameId, bool success);
    void keep(const QVariantMap &snapshot);
    // Stores one run with its replay in one write transaction.
    bool store(ApplicationCore *core, const QVariantMap &snapshot);
    void load();
    void save();

    QList<QVariantMap> kept;
    QStringList savedLater;
    QMap<QString, QVariantMap> inFlight;
    QList<QPointer<ApplicationCore>> watched;
};

#endif // RUNKEEPER_H

#include "app/runkeeper.h"

#include "achievements/settlementcontext.h"
#include "app/applicationcore.h"
#include "app/localchanges.h"
#include "game/runsummary.h"
#include "settlement/replayservice.h"
#include "storage/databaseconnection.h"
#include "storage/gamerecord.h"
#include "storage/gamerecorddao.h"
#include "storage/replaydao.h"
#include "storage/writetransaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtQml>

namespace {

const char kFileName[] = "/unsaved-runs.json";

QObject *createKeeper(QQmlEngine *engine, QJSEngine *)
{
    return new RunKeeper(engine);
}

// A run the settlement would refuse whatever the storage does is not worth
// keeping: it would be tried again for ever.
bool storable(const RunSummary &run)
{
    return !run.id.isEmpty() && run.score >= 0 && run.jumpCount >= 0 && run.maxSectionJumpCount >= 0
            && run.wallCollisionCount >= 0 && run.blockCollisionCount >= 0
            && SettlementContext::isEndReason(run.endReason);
}

} // namespace

RunKeeper::RunKeeper(QObject *parent)
    : QObject(parent)
{
    load();
}

void RunKeeper::registerQmlType()
{
    qmlRegisterSingletonType<RunKeeper>("org.hoplix.hoplix", 1, 0, "RunKeeper", createKeeper);
}

QString RunKeeper::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
            + QLatin1String(kFileName);
}

QStringList RunKeeper::unsavedIds() const
{
    QStringList ids;
    for (const QVariantMap &snapshot : kept)
        ids << RunSummary::idOf(snapshot);
    return ids;
}

bool RunKeeper::submit(QObject *core, const QVariantMap &snapshot)
{
    ApplicationCore *application = qobject_cast<ApplicationCore *>(core);
    if (!application) {
        qWarning("[RunKeeper] submit failed: no ApplicationCore given");
        return false;
    }
    watch(application);
    const QString id = RunSummary::idOf(snapshot);
    if (!application->submitGameRecord(snapshot)) {
        keep(snapshot);
        return false;
    }
    inFlight.insert(id, snapshot);
    return true;
}

bool RunKeeper::storeNow(QObject *core, const QVariantMap &snapshot)
{
    ApplicationCore *application = qobject_cast<ApplicationCore *>(core);
    if (!application) {
        qWarning("[RunKeeper] store failed: no ApplicationCore given");
        return false;
    }
    storeKept(application);
    if (store(application, snapshot))
        return true;
    keep(snapshot);
    return false;
}

bool RunKeeper::storeKept(QObject *core)
{
    ApplicationCore *application = qobject_cast<ApplicationCore *>(core);
    if (!application)
        return kept.isEmpty();
    bool changed = false;
    while (!kept.isEmpty() && store(application, kept.first())) {
        const QString id = RunSummary::idOf(kept.takeFirst());
        savedLater << id;
        changed = true;
        emit runSaved(id);
    }
    if (changed) {
        save();
        emit unsavedChanged();
    }
    return kept.isEmpty();
}

void RunKeeper::watch(ApplicationCore *core)
{
    for (const QPointer<ApplicationCore> &known : watched) {
        if (known == core)
            return;
    }
    watched.append(core);
    connect(core, &ApplicationCore::gameSettled, this,
            [this, core](const QString &gameId, bool success) {
                onSettled(core, gameId, success);
            });
}

void RunKeeper::onSettled(ApplicationCore *core, const QString &gameId, bool success)
{
    const auto run = inFlight.find(gameId);
    if (run == inFlight.end())
        return;
    const QVariantMap snapshot = run.value();
    inFlight.erase(run);
    if (!success)
        keep(snapshot);
    else if (!kept.isEmpty())
        storeKept(core); // the storage takes runs again
}

void RunKeeper::keep(const QVariantMap &snapshot)
{
    RunSummary run;
    if (!RunSummary::fromSnapshot(snapshot, run) || !storable(run))
        return;
    for (const QVariantMap &known : kept) {
        if (RunSummary::idOf(known) == run.id)
            return;
    }
    qWarning().noquote() << "[RunKeeper] run" << run.id << "not saved yet, kept to store later";
    kept.append(snapshot);
    save();
    emit unsavedChanged();
}

bool RunKeeper::store(ApplicationCore *core, const QVariantMap &snapshot)
{
    RunSummary run;
    if (!RunSummary::fromSnapshot(snapshot, run))
        return false;
    Replay replay;
    const bool withReplay = ReplayService::verify(run, replay);
    // The run, its achievements and its replay commit together or not at
    // all; saveGameRecord's own transaction becomes a savepoint of this one.
    WriteTransaction transaction(DatabaseConnection::database());
    if (!transaction.isActive())
        return false;
    bool stored = core->saveGameRecord(run.id, run.modeId, run.score, run.endReason, run.startedAt,
                                       run.endedAt, run.deathWorldY, run.deathWorldX, run.jumpCount,
                                       run.maxSectionJumpCount, run.wallCollisionCount,
                                       run.blockCollisionCount);
    if (stored && withReplay) {
        ReplayDao dao;
        ReplayService(&dao).store(run, replay);
    }
    stored = stored && transaction.commit();
    if (stored)
        return true;
    transaction.rollback();
    // The lists already re-read the run that the rollback took away.
    LocalChanges::instance()->announceRunStored();
    // Stored before with other figures: nothing more will ever store it.
    GameRecordDao records;
    bool lookedUp = false;
    if (records.findById(run.id, &lookedUp)) {
        qWarning().noquote() << "[RunKeeper] run" << run.id << "stored before with other figures";
        return true;
    }
    return false;
}

void RunKeeper::load()
{
    QFile file(filePath());
    if (!file.exists())
        return;
    QJsonParseError error;
    const QJsonDocument document = file.open(QIODevice::ReadOnly)
            ? QJsonDocument::fromJson(file.readAll(), &error)
            : QJsonDocument();
    if (!document.isArray()) {
        qWarning() << "[RunKeeper] unsaved runs unreadable:" << filePath();
        return;
    }
    for (const QVariant &snapshot : document.array().toVariantList()) {
        if (snapshot.type() == QVariant::Map)
            kept.append(snapshot.toMap());
    }
}

void RunKeeper::save()
{
    const QString path = filePath();
    if (kept.isEmpty()) {
        if (QFile::exists(path) && !QFile::remove(path))
            qWarning() << "[RunKeeper] unsaved runs file not removed:" << path;
        return;
    }
    QVariantList list;
    for (const QVariantMap &snapshot : kept)
        list.append(snapshot);
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    const QByteArray bytes = QJsonDocument(QJsonArray::fromVariantList(list)).toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        qWarning() << "[RunKeeper] unsaved runs kept in memory only:" << file.errorString();
}

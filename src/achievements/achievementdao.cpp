#include "achievements/achievementdao.h"

#include "storage/databaseconnection.h"
#include "storage/preparedstatement.h"
#include "storage/runtotals.h"
#include "storage/writetransaction.h"

#include <QDebug>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace {

// clang-format off
const char kLoadAll[] = R"(
    SELECT * FROM achievements ORDER BY sort_order, code)";

// What loadAll needs to succeed, and whether a reward waits, in loadAll's order.
const char kNotificationState[] = R"(
    SELECT code,parameters,is_unlocked,notification_pending FROM achievements
    ORDER BY sort_order, code)";

const char kProgressState[] = R"(
    SELECT target_value,reward_skin_id,is_enabled,is_unlocked FROM achievements
    WHERE code=:code)";
const char kUnlockSkinById[] = R"(
    UPDATE skins SET is_unlocked=1,updated_at=:now WHERE id=:id)";
// One value, :unlocked, sets both the unlock and its pending notification.
const char kWriteProgress[] = R"(
    UPDATE achievements
    SET progress_value=:progress,is_unlocked=:unlocked,unlocked_at=:time,notification_pending=:unlocked,updated_at=:now
    WHERE code=:code)";

const char kSkinById[] = R"(
    SELECT id FROM skins WHERE id=:id)";
const char kPresetState[] = R"(
    SELECT is_unlocked,reward_skin_id FROM achievements WHERE code=:code)";
const char kUpdatePreset[] = R"(
    UPDATE achievements SET condition_type=:condition, target_value=:target,
        window_seconds=:window, parameters=:parameters, show_condition=:show,
        reward_skin_id=:skin, is_enabled=:enabled, sort_order=:sort, updated_at=:now
    WHERE code=:code)";
const char kInsertPreset[] = R"(
    INSERT INTO achievements
    (id,created_at,updated_at,code,condition_type,target_value,window_seconds,parameters,show_condition,reward_skin_id,is_enabled,sort_order)
    VALUES
    (:id,:now,:now,:code,:condition,:target,:window,:parameters,:show,:skin,:enabled,:sort))";

const char kAcknowledge[] = R"(
    UPDATE achievements SET notification_pending=0,updated_at=:now
    WHERE code=:code AND is_unlocked=1)";

const char kSkinBySkinId[] = R"(
    SELECT id FROM skins WHERE skin_id=:skin)";
// The import reads every skin and every achievement it may write once, up
// front, rather than one statement per row: the rows it writes are distinct
// (skin ids and codes are unique), so none of its writes changes what a later
// row would have read.
const char kSkinRows[] = R"(
    SELECT skin_id,id FROM skins)";
const char kPresetStates[] = R"(
    SELECT code,is_unlocked,reward_skin_id FROM achievements)";
const char kUpdateSkinPath[] = R"(
    UPDATE skins SET skin_path=:path,updated_at=:now WHERE id=:id)";
const char kInsertSkin[] = R"(
    INSERT INTO skins
    (id,skin_id,skin_name,skin_path,is_unlocked,is_selected,created_at,updated_at)
    VALUES
    (:id,:skin,:name,:path,:unlocked,0,:now,:now))";
const char kSelectDefaultSkin[] = R"(
    UPDATE skins SET is_selected=1,updated_at=:now
    WHERE skin_id='default' AND NOT EXISTS (SELECT 1 FROM skins WHERE is_selected=1))";

const char kTotals[] = R"(
    SELECT COALESCE(SUM(score),0), COALESCE(SUM(wall_collision_count+block_collision_count),0)
    FROM game_records
    WHERE mode_id=:mode)";
// The same sums, kept per mode by the triggers of RunTotals.
const char kTotalsFromTable[] = R"(
    SELECT COALESCE(SUM(total_score),0), COALESCE(SUM(total_collisions),0)
    FROM game_record_totals
    WHERE mode_id=:mode)";
const char kRecentRuns[] = R"(
    SELECT score,end_reason FROM game_records
    WHERE mode_id=:mode
    ORDER BY rowid DESC LIMIT :limit)";
// clang-format on

const char kDefaultSkinId[] = "default";
const char kDefaultSkinPath[] = "qrc:/assets/skins/default.png";

// NULL reads as empty text.
QString text(const QVariant &value)
{
    return value.isNull() ? QString() : value.toString();
}

// A parameters object read from its JSON text; false when the text is not
// one. Every settlement reads every row twice, and the texts hardly ever
// change, so each thread keeps the few it has parsed.
bool parseParameters(const QByteArray &json, QVariantMap &parameters)
{
    thread_local QHash<QByteArray, QVariantMap> parsed;
    const auto found = parsed.constFind(json);
    if (found != parsed.constEnd()) {
        parameters = found.value();
        return true;
    }
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return false;
    parameters = document.object().toVariantMap();
    if (parsed.size() >= 64)
        parsed.clear();
    parsed.insert(json, parameters);
    return true;
}

// Runs a wrapped operation in its own write transaction: all or nothing.
template<typename Operation>
bool inWriteTransaction(Operation operation)
{
    WriteTransaction transaction(DatabaseConnection::database());
    return transaction.isActive() && operation() && transaction.commit();
}

} // namespace

AchievementDao::AchievementDao(QObject *parent)
    : QObject(parent)
{ }

bool AchievementDao::loadAll(QList<Achievement> &out)
{
    out.clear();
    PreparedStatement load(kLoadAll);
    QSqlQuery &query = load.query();
    if (!query.exec()) {
        qWarning() << "[AchievementDao] load failed:" << query.lastError().text();
        return false;
    }

    const QSqlRecord row = query.record();
    auto column = [&](const char *name) { return row.indexOf(QLatin1String(name)); };
    const int id = column("id"), createdAt = column("created_at"), updatedAt = column("updated_at"),
              code = column("code"), conditionType = column("condition_type"),
              targetValue = column("target_value"), windowSeconds = column("window_seconds"),
              parameters = column("parameters"), showCondition = column("show_condition"),
              notificationPending = column("notification_pending"),
              rewardSkinId = column("reward_skin_id"), progressValue = column("progress_value"),
              enabled = column("is_enabled"), unlocked = column("is_unlocked"),
              unlockedAt = column("unlocked_at"), sortOrder = column("sort_order");

    while (query.next()) {
        Achievement a;
        a.id = text(query.value(id));
        a.createdAt = text(query.value(createdAt));
        a.updatedAt = text(query.value(updatedAt));
        a.code = text(query.value(code));
        a.conditionType = query.value(conditionType).toInt();
        a.targetValue = query.value(targetValue).toInt();
        a.windowSeconds = query.value(windowSeconds).toInt();
        a.showCondition = query.value(showCondition).toBool();
        a.notificationPending = query.value(notificationPending).toBool();
        a.rewardSkinId = text(query.value(rewardSkinId));
        a.progressValue = query.value(progressValue).toInt();
        a.enabled = query.value(enabled).toBool();
        a.unlocked = query.value(unlocked).toBool();
        a.unlockedAt = text(query.value(unlockedAt));
        a.sortOrder = query.value(sortOrder).toInt();

        if (!parseParameters(query.value(parameters).toByteArray(), a.parameters)) {
            qWarning() << "[AchievementDao] invalid parameters:" << a.code;
            out.clear();
            return false;
        }
        out.append(a);
    }
    return true;
}

bool AchievementDao::notificationsPending(bool &pending)
{
    pending = false;
    PreparedStatement state(kNotificationState);
    if (!state->exec()) {
        qWarning() << "[AchievementDao] load failed:" << state->lastError().text();
        return false;
    }
    QVariantMap parameters;
    while (state->next()) {
        if (!parseParameters(state->value(1).toByteArray(), parameters)) {
            qWarning() << "[AchievementDao] invalid parameters:" << text(state->value(0));
            pending = false;
            return false;
        }
        pending = pending || (state->value(2).toBool() && state->value(3).toBool());
    }
    return true;
}

bool AchievementDao::applyProgress(const QString &code, int progress)
{
    if (progress < 0)
        return false;
    int target = 0;
    QString rewardSkinId;
    bool enabled = false;
    bool unlocked = false;
    {
        PreparedStatement state(kProgressState);
        state->bindValue(QStringLiteral(":code"), code);
        if (!state->exec() || !state->next())
            return false;
        target = state->value(0).toInt();
        rewardSkinId = text(state->value(1));
        enabled = state->value(2).toBool();
        unlocked = state->value(3).toBool();
    }
    if (!enabled)
        return false;
    // An unlocked achievement is final.
    if (unlocked)
        return true;

    const bool reached = progress >= target;
    const QString now = DatabaseConnection::timestamp();

    bool skinOk = true;
    if (reached && !rewardSkinId.isEmpty()) {
        PreparedStatement skin(kUnlockSkinById);
        skin->bindValue(QStringLiteral(":now"), now);
        skin->bindValue(QStringLiteral(":id"), rewardSkinId);
        skinOk = skin->exec() && skin->numRowsAffected() == 1;
    }
    if (!skinOk)
        return false;

    PreparedStatement update(kWriteProgress);
    update->bindValue(QStringLiteral(":progress"), qMin(progress, target));
    update->bindValue(QStringLiteral(":unlocked"), reached ? 1 : 0);
    update->bindValue(QStringLiteral(":time"),
                      reached ? QVariant(now) : QVariant(QVariant::String));
    update->bindValue(QStringLiteral(":now"), now);
    update->bindValue(QStringLiteral(":code"), code);
    return update->exec() && update->numRowsAffected() == 1;
}

bool AchievementDao::updateProgress(const QString &code, int progress)
{
    return inWriteTransaction([&] { return applyProgress(code, progress); });
}

bool AchievementDao::writePreset(const Achievement &achievement)
{
    QString error;
    return writePreset(achievement, DatabaseConnection::timestamp(), nullptr, error);
}

bool AchievementDao::writePreset(const Achievement &a, const QString &now,
                                 const StoredPreset *stored, QString &error)
{
    error.clear();
    StoredPreset found;
    if (!stored) {
        if (!a.rewardSkinId.isEmpty()) {
            PreparedStatement skin(kSkinById);
            skin->bindValue(QStringLiteral(":id"), a.rewardSkinId);
            const bool skinOk = skin->exec() && skin->next();
            error = skin->lastError().text();
            if (!skinOk)
                return false;
        }
        PreparedStatement state(kPresetState);
        state->bindValue(QStringLiteral(":code"), a.code);
        const bool read = state->exec();
        error = state->lastError().text();
        if (!read)
            return false;
        found.exists = state->next();
        if (found.exists) {
            found.unlocked = state->value(0).toBool();
            found.rewardSkinId = text(state->value(1));
        }
        stored = &found;
    }
    // The reward of an unlocked achievement has been handed out; it cannot change.
    if (stored->exists && stored->unlocked && stored->rewardSkinId != a.rewardSkinId)
        return false;
    const bool exists = stored->exists;

    PreparedStatement statement(exists ? kUpdatePreset : kInsertPreset);
    QSqlQuery &write = statement.query();
    if (!exists)
        write.bindValue(QStringLiteral(":id"), QUuid::createUuid().toString());
    write.bindValue(QStringLiteral(":code"), a.code);
    write.bindValue(QStringLiteral(":condition"), a.conditionType);
    write.bindValue(QStringLiteral(":target"), a.targetValue);
    write.bindValue(QStringLiteral(":window"), a.windowSeconds);
    write.bindValue(QStringLiteral(":parameters"), Achievement::parametersToJson(a.parameters));
    write.bindValue(QStringLiteral(":show"), a.showCondition ? 1 : 0);
    write.bindValue(QStringLiteral(":skin"),
                    a.rewardSkinId.isEmpty() ? QVariant(QVariant::String)
                                             : QVariant(a.rewardSkinId));
    write.bindValue(QStringLiteral(":enabled"), a.enabled ? 1 : 0);
    write.bindValue(QStringLiteral(":sort"), a.sortOrder);
    write.bindValue(QStringLiteral(":now"), now);
    const bool written = write.exec();
    error = write.lastError().text();
    return written;
}

bool AchievementDao::upsertPreset(const Achievement &achievement)
{
    return inWriteTransaction([&] { return writePreset(achievement); });
}

bool AchievementDao::acknowledgeNotifications(const QVariantList &codes)
{
    if (codes.isEmpty())
        return false;
    return inWriteTransaction([&] {
        const QString now = DatabaseConnection::timestamp();
        PreparedStatement acknowledge(kAcknowledge);
        QSqlQuery &query = acknowledge.query();
        for (const QVariant &entry : codes) {
            const QString code = entry.toString();
            if (code.isEmpty())
                return false;
            query.bindValue(QStringLiteral(":now"), now);
            query.bindValue(QStringLiteral(":code"), code);
            if (!query.exec() || query.numRowsAffected() != 1)
                return false;
        }
        return true;
    });
}

bool AchievementDao::importPresets(const QList<Achievement> &presets,
                                   const QVariantMap &rewardSkins)
{
    QSqlDatabase db = DatabaseConnection::database();
    WriteTransaction transaction(db);
    if (!transaction.isActive())
        return false;

    const QString now = DatabaseConnection::timestamp();
    QVariantMap skins = rewardSkins;
    skins.insert(QLatin1String(kDefaultSkinId), QLatin1String(kDefaultSkinPath));

    // The error text of the most recent statement, for the warning on failure.
    QString lastError;
    auto run = [&](QSqlQuery &query) {
        const bool ok = query.exec();
        lastError = query.lastError().text();
        return ok;
    };

    auto import = [&]() -> bool {
        // One of the reads below, every row handed on; false when it failed.
        auto readRows = [&](const char *statement, auto onRow) {
            PreparedStatement read(statement);
            if (!run(read.query()))
                return false;
            while (read->next())
                onRow(read.query());
            return true;
        };
        // skin_id and code are unique; were they not, the first row counts,
        // as it would for a look-up of the one row.
        QHash<QString, QString> skinRows;
        QHash<QString, StoredPreset> storedPresets;
        const auto keepSkin = [&](const QSqlQuery &row) {
            const QString skinId = row.value(0).toString();
            if (!skinRows.contains(skinId))
                skinRows.insert(skinId, row.value(1).toString());
        };
        const auto keepPreset = [&](const QSqlQuery &row) {
            const QString code = row.value(0).toString();
            if (!storedPresets.contains(code))
                storedPresets.insert(code, {true, row.value(1).toBool(), text(row.value(2))});
        };
        if (!readRows(kSkinRows, keepSkin) || !readRows(kPresetStates, keepPreset))
            return false;

        // The row id of every skin written here, for the presets that name it.
        QHash<QString, QString> rowIds;
        // QVariantMap iterates in ascending key order.
        for (auto it = skins.constBegin(); it != skins.constEnd(); ++it) {
            const auto row = skinRows.constFind(it.key());
            const bool exists = row != skinRows.constEnd();
            const QString targetId = exists ? row.value() : QStringLiteral("skin_") + it.key();
            PreparedStatement statement(exists ? kUpdateSkinPath : kInsertSkin);
            QSqlQuery &write = statement.query();
            if (!exists) {
                write.bindValue(QStringLiteral(":skin"), it.key());
                write.bindValue(QStringLiteral(":name"), it.key());
                write.bindValue(QStringLiteral(":unlocked"),
                                it.key() == QLatin1String(kDefaultSkinId) ? 1 : 0);
            }
            write.bindValue(QStringLiteral(":id"), targetId);
            write.bindValue(QStringLiteral(":path"), it.value().toString());
            write.bindValue(QStringLiteral(":now"), now);
            if (!run(write))
                return false;
            rowIds.insert(it.key(), targetId);
        }

        for (const Achievement &preset : presets) {
            Achievement resolved = preset;
            resolved.rewardSkinId = rowIds.value(preset.rewardSkinId);
            if (resolved.rewardSkinId.isEmpty()) {
                // A skin the map did not name: it must be there already.
                PreparedStatement findSkin(kSkinBySkinId);
                findSkin->bindValue(QStringLiteral(":skin"), preset.rewardSkinId);
                if (!run(findSkin.query()) || !findSkin->next())
                    return false;
                resolved.rewardSkinId = findSkin->value(0).toString();
            }
            // A refusal is not a statement error and leaves the text empty;
            // a constraint that failed the write reports its own.
            const StoredPreset stored = storedPresets.value(preset.code);
            if (!writePreset(resolved, now, &stored, lastError))
                return false;
        }

        PreparedStatement select(kSelectDefaultSkin);
        select->bindValue(QStringLiteral(":now"), now);
        if (!run(select.query()))
            return false;

        if (!transaction.commit()) {
            lastError = transaction.lastError();
            return false;
        }
        return true;
    };

    if (import())
        return true;
    qWarning() << "[AchievementDao] preset import failed:" << lastError;
    transaction.rollback();
    return false;
}

bool AchievementDao::runStatistics(const QString &modeId, int recentRunLimit, qint64 &totalScore,
                                   qint64 &totalCollisions, QVariantList &recentRuns)
{
    totalScore = 0;
    totalCollisions = 0;
    recentRuns.clear();
    {
        PreparedStatement totals(RunTotals::available() ? kTotalsFromTable : kTotals);
        totals->bindValue(QStringLiteral(":mode"), modeId);
        if (!totals->exec() || !totals->next())
            return false;
        totalScore = totals->value(0).toLongLong();
        totalCollisions = totals->value(1).toLongLong();
    }

    PreparedStatement recent(kRecentRuns);
    recent->bindValue(QStringLiteral(":mode"), modeId);
    recent->bindValue(QStringLiteral(":limit"), qMax(recentRunLimit, 1));
    if (!recent->exec())
        return false;
    while (recent->next()) {
        QVariantMap run;
        run.insert(QStringLiteral("score"), recent->value(0));
        run.insert(QStringLiteral("endReason"), recent->value(1));
        recentRuns.append(run);
    }
    return true;
}

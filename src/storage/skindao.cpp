#include "storage/skindao.h"

#include "storage/databaseconnection.h"
#include "storage/preparedstatement.h"
#include "storage/skin.h"
#include "storage/writetransaction.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// clang-format off
const char kInsert[] = R"(
    INSERT INTO skins (id, skin_id, skin_name, skin_path, is_unlocked, is_selected,
        created_at, updated_at)
    VALUES (:id, :skin_id, :skin_name, :skin_path, :is_unlocked, :is_selected,
        :created_at, :updated_at))";
const char kUpdate[] = R"(
    UPDATE skins SET skin_name=:skin_name, skin_path=:skin_path, is_unlocked=:is_unlocked,
        is_selected=:is_selected, updated_at=:updated_at
    WHERE skin_id=:skin_id)";
// Selection and unlocking stamp SQLite's own time form (a blank for the T,
// no zone letter), unlike every other write; readers hand the text on as
// stored, and rows already carry both forms, so it stays.
const char kClearSelection[] = R"(
    UPDATE skins SET is_selected=0, updated_at=datetime('now'))";
const char kSelect[] = R"(
    UPDATE skins SET is_selected=1, updated_at=datetime('now')
    WHERE skin_id=:skin_id AND is_unlocked=1)";
const char kSetUnlocked[] = R"(
    UPDATE skins SET is_unlocked=:is_unlocked, updated_at=datetime('now')
    WHERE skin_id=:skin_id)";
const char kFindBySkinId[] = R"(
    SELECT * FROM skins WHERE skin_id=:skin_id)";
const char kFindAll[] = R"(
    SELECT * FROM skins ORDER BY skin_id)";
// clang-format on

// QMap keeps its keys sorted; inserted in that order with the end as the
// hint, no insert compares keys on its way down.
QVariantMap skinMap(const QSqlQuery &query, const int (&column)[8])
{
    QVariantMap map;
    auto put = [&map](const QString &key, const QVariant &value) {
        map.insert(map.constEnd(), key, value);
    };
    put(QStringLiteral("componentId"), query.value(column[0]).toString());
    put(QStringLiteral("createdAt"), query.value(column[1]).toString());
    put(QStringLiteral("selected"), query.value(column[2]).toInt() != 0);
    put(QStringLiteral("skinId"), query.value(column[3]).toString());
    put(QStringLiteral("skinName"), query.value(column[4]).toString());
    put(QStringLiteral("skinPath"), query.value(column[5]).toString());
    put(QStringLiteral("unlocked"), query.value(column[6]).toInt() != 0);
    put(QStringLiteral("updatedAt"), query.value(column[7]).toString());
    return map;
}

int flag(bool value)
{
    return value ? 1 : 0;
}

} // namespace

SkinDao::SkinDao(QObject *parent)
    : QObject(parent)
{ }

bool SkinDao::insert(Skin *skin)
{
    if (!skin)
        return false;
    PreparedStatement insert(kInsert);
    insert->bindValue(QStringLiteral(":id"), skin->componentId());
    insert->bindValue(QStringLiteral(":skin_id"), skin->skinId());
    insert->bindValue(QStringLiteral(":skin_name"), skin->skinName());
    insert->bindValue(QStringLiteral(":skin_path"), skin->skinPath());
    insert->bindValue(QStringLiteral(":is_unlocked"), flag(skin->unlocked()));
    insert->bindValue(QStringLiteral(":is_selected"), flag(skin->selected()));
    insert->bindValue(QStringLiteral(":created_at"),
                      skin->createdAt().isEmpty() ? DatabaseConnection::timestamp()
                                                  : skin->createdAt());
    insert->bindValue(QStringLiteral(":updated_at"),
                      skin->updatedAt().isEmpty() ? DatabaseConnection::timestamp()
                                                  : skin->updatedAt());
    if (!insert->exec()) {
        qWarning() << "[SkinDao] insert failed:" << insert->lastError().text();
        return false;
    }
    return true;
}

bool SkinDao::update(Skin *skin)
{
    if (!skin)
        return false;
    PreparedStatement update(kUpdate);
    update->bindValue(QStringLiteral(":skin_id"), skin->skinId());
    update->bindValue(QStringLiteral(":skin_name"), skin->skinName());
    update->bindValue(QStringLiteral(":skin_path"), skin->skinPath());
    update->bindValue(QStringLiteral(":is_unlocked"), flag(skin->unlocked()));
    update->bindValue(QStringLiteral(":is_selected"), flag(skin->selected()));
    update->bindValue(QStringLiteral(":updated_at"), DatabaseConnection::timestamp());
    return update->exec() && update->numRowsAffected() > 0;
}

bool SkinDao::select(const QString &skinId)
{
    WriteTransaction transaction(DatabaseConnection::database());
    if (!transaction.isActive())
        return false;

    PreparedStatement clear(kClearSelection);
    if (!clear->exec())
        return false;
    PreparedStatement select(kSelect);
    select->bindValue(QStringLiteral(":skin_id"), skinId);
    if (!select->exec() || select->numRowsAffected() <= 0)
        return false;
    return transaction.commit();
}

bool SkinDao::setUnlocked(const QString &skinId, bool unlocked)
{
    // One statement, but in a transaction of its own all the same, so it
    // waits for its turn with the other writers of the process.
    WriteTransaction transaction(DatabaseConnection::database());
    if (!transaction.isActive())
        return false;
    PreparedStatement unlock(kSetUnlocked);
    unlock->bindValue(QStringLiteral(":skin_id"), skinId);
    unlock->bindValue(QStringLiteral(":is_unlocked"), flag(unlocked));
    return unlock->exec() && unlock->numRowsAffected() > 0 && transaction.commit();
}

Skin *SkinDao::findBySkinId(const QString &skinId)
{
    PreparedStatement find(kFindBySkinId);
    find->bindValue(QStringLiteral(":skin_id"), skinId);
    if (find->exec() && find->next())
        return skinFromQuery(find.query());
    return nullptr;
}

QList<Skin *> SkinDao::findAll()
{
    QList<Skin *> skins;
    PreparedStatement find(kFindAll);
    if (!find.isPrepared() || !find->exec()) {
        qWarning() << "[SkinDao] find all failed:" << find->lastError().text();
        return skins;
    }
    while (find->next())
        skins.append(skinFromQuery(find.query()));
    return skins;
}

QVariantList SkinDao::findAllMaps()
{
    QVariantList maps;
    PreparedStatement find(kFindAll);
    if (!find.isPrepared() || !find->exec()) {
        qWarning() << "[SkinDao] find all failed:" << find->lastError().text();
        return maps;
    }
    // Positions looked up once, in the order skinMap reads them.
    const QSqlRecord row = find->record();
    int column[8];
    int i = 0;
    for (const char *name : {"id", "created_at", "is_selected", "skin_id", "skin_name", "skin_path",
                             "is_unlocked", "updated_at"})
        column[i++] = row.indexOf(QLatin1String(name));
    while (find->next())
        maps.append(skinMap(find.query(), column));
    return maps;
}

Skin *SkinDao::skinFromQuery(const QSqlQuery &query)
{
    const QSqlRecord row = query.record();
    auto value
            = [&](const char *column) { return query.value(row.indexOf(QLatin1String(column))); };

    auto *skin = new Skin(this);
    skin->setComponentId(value("id").toString());
    skin->setSkinId(value("skin_id").toString());
    skin->setSkinName(value("skin_name").toString());
    skin->setSkinPath(value("skin_path").toString());
    skin->setUnlocked(value("is_unlocked").toInt() != 0);
    skin->setSelected(value("is_selected").toInt() != 0);
    skin->setCreatedAt(value("created_at").toString());
    skin->setUpdatedAt(value("updated_at").toString());
    return skin;
}

#include "storage/skindao.h"

#include "storage/databaseconnection.h"
#include "storage/skin.h"
#include "storage/writetransaction.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const char kInsert[]
        = "INSERT INTO skins (id, skin_id, skin_name, skin_path, is_unlocked, is_selected, "
          "created_at, updated_at) VALUES (:id, :skin_id, :skin_name, :skin_path, :is_unlocked, "
          ":is_selected, :created_at, :updated_at)";
const char kUpdate[]
        = "UPDATE skins SET skin_name=:skin_name, skin_path=:skin_path, is_unlocked=:is_unlocked, "
          "is_selected=:is_selected, updated_at=:updated_at WHERE skin_id=:skin_id";
const char kClearSelection[] = "UPDATE skins SET is_selected=0, updated_at=datetime('now')";
const char kSelect[]
        = "UPDATE skins SET is_selected=1, updated_at=datetime('now') WHERE skin_id=:skin_id AND "
          "is_unlocked=1";
const char kSetUnlocked[]
        = "UPDATE skins SET is_unlocked=:is_unlocked, updated_at=datetime('now') WHERE "
          "skin_id=:skin_id";
const char kFindBySkinId[] = "SELECT * FROM skins WHERE skin_id=:skin_id";
const char kFindAll[] = "SELECT * FROM skins ORDER BY skin_id";

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
    QSqlQuery query(DatabaseConnection::database());
    query.prepare(QLatin1String(kInsert));
    query.bindValue(QStringLiteral(":id"), skin->componentId());
    query.bindValue(QStringLiteral(":skin_id"), skin->skinId());
    query.bindValue(QStringLiteral(":skin_name"), skin->skinName());
    query.bindValue(QStringLiteral(":skin_path"), skin->skinPath());
    query.bindValue(QStringLiteral(":is_unlocked"), flag(skin->unlocked()));
    query.bindValue(QStringLiteral(":is_selected"), flag(skin->selected()));
    query.bindValue(QStringLiteral(":created_at"),
                    skin->createdAt().isEmpty() ? DatabaseConnection::timestamp()
                                                : skin->createdAt());
    query.bindValue(QStringLiteral(":updated_at"),
                    skin->updatedAt().isEmpty() ? DatabaseConnection::timestamp()
                                                : skin->updatedAt());
    if (!query.exec()) {
        qWarning() << "[SkinDao] insert failed:" << query.lastError().text();
        return false;
    }
    return true;
}

bool SkinDao::update(Skin *skin)
{
    if (!skin)
        return false;
    QSqlQuery query(DatabaseConnection::database());
    query.prepare(QLatin1String(kUpdate));
    query.bindValue(QStringLiteral(":skin_id"), skin->skinId());
    query.bindValue(QStringLiteral(":skin_name"), skin->skinName());
    query.bindValue(QStringLiteral(":skin_path"), skin->skinPath());
    query.bindValue(QStringLiteral(":is_unlocked"), flag(skin->unlocked()));
    query.bindValue(QStringLiteral(":is_selected"), flag(skin->selected()));
    query.bindValue(QStringLiteral(":updated_at"), DatabaseConnection::timestamp());
    return query.exec() && query.numRowsAffected() > 0;
}

bool SkinDao::select(const QString &skinId)
{
    QSqlDatabase db = DatabaseConnection::database();
    WriteTransaction transaction(db);
    if (!transaction.isActive())
        return false;

    QSqlQuery clear(db);
    if (!clear.exec(QLatin1String(kClearSelection)))
        return false;
    QSqlQuery select(db);
    select.prepare(QLatin1String(kSelect));
    select.bindValue(QStringLiteral(":skin_id"), skinId);
    if (!select.exec() || select.numRowsAffected() <= 0)
        return false;
    return transaction.commit();
}

bool SkinDao::setUnlocked(const QString &skinId, bool unlocked)
{
    // One statement, but in a transaction of its own all the same, so it
    // waits for its turn with the other writers of the process.
    QSqlDatabase db = DatabaseConnection::database();
    WriteTransaction transaction(db);
    if (!transaction.isActive())
        return false;
    QSqlQuery query(db);
    query.prepare(QLatin1String(kSetUnlocked));
    query.bindValue(QStringLiteral(":skin_id"), skinId);
    query.bindValue(QStringLiteral(":is_unlocked"), flag(unlocked));
    return query.exec() && query.numRowsAffected() > 0 && transaction.commit();
}

Skin *SkinDao::findBySkinId(const QString &skinId)
{
    QSqlQuery query(DatabaseConnection::database());
    query.prepare(QLatin1String(kFindBySkinId));
    query.bindValue(QStringLiteral(":skin_id"), skinId);
    if (query.exec() && query.next())
        return skinFromQuery(query);
    return nullptr;
}

QList<Skin *> SkinDao::findAll()
{
    QList<Skin *> skins;
    QSqlQuery query(DatabaseConnection::database());
    query.setForwardOnly(true);
    if (!query.exec(QLatin1String(kFindAll))) {
        qWarning() << "[SkinDao] find all failed:" << query.lastError().text();
        return skins;
    }
    while (query.next())
        skins.append(skinFromQuery(query));
    return skins;
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

#include "storage/skindao.h"

#include "storage/databaseconnection.h"
#include "storage/skin.h"
#include "storage/sqltext.h"
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
    query.prepare(SqlText::statement(kInsert));
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
    query.prepare(SqlText::statement(kUpdate));
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
    if (!clear.exec(SqlText::statement(kClearSelection)))
        return false;
    QSqlQuery select(db);
    select.prepare(SqlText::statement(kSelect));
    select.bindValue(QStringLiteral(":skin_id"), skinId);
    if (!select.exec() || select.numRowsAffected() <= 0)
        return false;
    return transaction.commit();
}

bool SkinDao::setUnlocked(const QString &skinId, bool unlocked)
{
    QSqlQuery query(DatabaseConnection::database());
    query.prepare(SqlText::statement(kSetUnlocked));
    query.bindValue(QStringLiteral(":skin_id"), skinId);
    query.bindValue(QStringLiteral(":is_unlocked"), flag(unlocked));
    return query.exec() && query.numRowsAffected() > 0;
}

Skin *SkinDao::findBySkinId(const QString &skinId)
{
    QSqlQuery query(DatabaseConnection::database());
    query.prepare(SqlText::statement(kFindBySkinId));
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
    if (!query.exec(SqlText::statement(kFindAll)))
        return skins;
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

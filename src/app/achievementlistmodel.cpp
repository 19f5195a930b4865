#include "app/achievementlistmodel.h"

#include "app/applicationcore.h"

AchievementListModel::AchievementListModel(QObject *parent)
    : QAbstractListModel(parent)
    , ok(false)
{
    connect(&watch, &CoreWatch::changed, this, &AchievementListModel::refresh);
}

void AchievementListModel::setCore(ApplicationCore *core)
{
    if (!watch.setCore(core))
        return;
    emit coreChanged();
    refresh();
}

int AchievementListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : items.size();
}

QVariant AchievementListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= items.size())
        return QVariant();
    const QVariantMap item = items.at(index.row()).toMap();
    if (role == AchievementRole)
        return item;
    if (role == RewardSkinPathRole)
        return skinPaths.value(item.value(QStringLiteral("rewardSkinId")).toString());
    return QVariant();
}

QHash<int, QByteArray> AchievementListModel::roleNames() const
{
    QHash<int, QByteArray> roles;
    roles.insert(AchievementRole, "achievement");
    roles.insert(RewardSkinPathRole, "rewardSkinPath");
    return roles;
}

void AchievementListModel::refresh()
{
    const bool wasOk = ok;
    beginResetModel();
    items.clear();
    skinPaths.clear();
    ok = false;
    if (core()) {
        const QVariantMap list = core()->achievements();
        ok = list.value(QStringLiteral("ok")).toBool();
        items = list.value(QStringLiteral("items")).toList();
        const QVariantList skins = core()->skins();
        for (const QVariant &entry : skins) {
            const QVariantMap skin = entry.toMap();
            skinPaths.insert(skin.value(QStringLiteral("componentId")).toString(),
                             skin.value(QStringLiteral("skinPath")).toString());
        }
    }
    endResetModel();
    if (ok != wasOk)
        emit availableChanged();
}

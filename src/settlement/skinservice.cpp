#include "settlement/skinservice.h"

#include "storage/skin.h"
#include "storage/skindao.h"

SkinService::SkinService(SkinDao *dao, QObject *parent)
    : QObject(parent)
    , dao(dao)
{ }

QVariantList SkinService::skins()
{
    // Straight from the rows into the maps toVariantMap would build, without
    // a Skin object per row in between: the settlement reads them for every
    // run while a reward waits to be shown.
    return dao ? dao->findAllMaps() : QVariantList();
}

bool SkinService::selectSkin(const QString &skinId)
{
    return dao ? dao->select(skinId) : false;
}

bool SkinService::unlockSkin(const QString &skinId)
{
    return dao ? dao->setUnlocked(skinId, true) : false;
}

QVariantMap SkinService::toVariantMap(const Skin *skin)
{
    QVariantMap map;
    map.insert(QStringLiteral("componentId"), skin->componentId());
    map.insert(QStringLiteral("skinId"), skin->skinId());
    map.insert(QStringLiteral("skinName"), skin->skinName());
    map.insert(QStringLiteral("skinPath"), skin->skinPath());
    map.insert(QStringLiteral("unlocked"), skin->unlocked());
    map.insert(QStringLiteral("selected"), skin->selected());
    map.insert(QStringLiteral("createdAt"), skin->createdAt());
    map.insert(QStringLiteral("updatedAt"), skin->updatedAt());
    return map;
}

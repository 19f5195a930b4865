#include "app/wornskin.h"

#include "app/applicationcore.h"

WornSkin::WornSkin(QObject *parent)
    : QObject(parent)
{
    connect(&watch, &CoreWatch::changed, this, &WornSkin::refresh);
}

void WornSkin::setCore(ApplicationCore *core)
{
    if (!watch.setCore(core))
        return;
    emit coreChanged();
    refresh();
}

bool WornSkin::wear(const QString &skinId)
{
    // selectSkin announces itself, which refreshes this object.
    return core() && core()->selectSkin(skinId);
}

void WornSkin::refresh()
{
    QString wornId;
    QUrl wornImage;
    if (core()) {
        const QVariantList skins = core()->skins();
        for (const QVariant &entry : skins) {
            const QVariantMap skin = entry.toMap();
            if (skin.value(QStringLiteral("selected")).toBool()) {
                wornId = skin.value(QStringLiteral("skinId")).toString();
                wornImage = QUrl(skin.value(QStringLiteral("skinPath")).toString());
                break;
            }
        }
    }
    if (wornId == id && wornImage == image)
        return;
    id = wornId;
    image = wornImage;
    emit changed();
}

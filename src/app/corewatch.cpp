#include "app/corewatch.h"

#include "app/applicationcore.h"
#include "app/localchanges.h"

CoreWatch::CoreWatch(QObject *parent)
    : QObject(parent)
{
    LocalChanges *changes = LocalChanges::instance();
    connect(changes, &LocalChanges::runStored, this, &CoreWatch::changed);
    connect(changes, &LocalChanges::skinsChanged, this, &CoreWatch::changed);
}

bool CoreWatch::setCore(ApplicationCore *core)
{
    if (core == facade)
        return false;
    if (facade)
        disconnect(facade.data(), nullptr, this, nullptr);
    facade = core;
    if (facade) {
        connect(facade.data(), &ApplicationCore::gameSettled, this, &CoreWatch::changed);
        connect(facade.data(), &ApplicationCore::skinRewardsAcknowledged, this,
                &CoreWatch::changed);
    }
    return true;
}

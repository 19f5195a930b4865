#include "app/qmltypes.h"

#include "app/applicationcore.h"
#include "app/gamerecordmodel.h"
#include "game/gamesession.h"

#include <QtQml>

void QmlTypes::registerAll()
{
    const char *const uri = "org.hoplix.hoplix";
    qmlRegisterType<ApplicationCore>(uri, 1, 0, "ApplicationCore");
    qmlRegisterType<GameRecordModel>(uri, 1, 0, "GameRecordModel");
    GameSession::registerQmlTypes();
}

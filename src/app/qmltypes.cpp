#include "app/qmltypes.h"

#include "app/achievementlistmodel.h"
#include "app/applicationcore.h"
#include "app/bestscores.h"
#include "app/clipboard.h"
#include "app/frontendsettings.h"
#include "app/gamerecordmodel.h"
#include "app/livestate.h"
#include "app/runkeeper.h"
#include "app/storedreplays.h"
#include "app/wornskin.h"
#include "game/gamesession.h"

#include <QtQml>

void QmlTypes::registerAll()
{
    const char *const uri = "org.hoplix.hoplix";
    qmlRegisterType<ApplicationCore>(uri, 1, 0, "ApplicationCore");
    qmlRegisterType<GameRecordModel>(uri, 1, 0, "GameRecordModel");
    qmlRegisterType<WornSkin>(uri, 1, 0, "WornSkin");
    qmlRegisterType<BestScores>(uri, 1, 0, "BestScores");
    qmlRegisterType<AchievementListModel>(uri, 1, 0, "AchievementListModel");
    qmlRegisterType<FrontEndSettings>(uri, 1, 0, "FrontEndSettings");
    qmlRegisterType<StoredReplays>(uri, 1, 0, "StoredReplays");
    qmlRegisterType<LiveState>(uri, 1, 0, "LiveState");
    qmlRegisterType<Clipboard>(uri, 1, 0, "Clipboard");
    RunKeeper::registerQmlType();
    GameSession::registerQmlTypes();
}

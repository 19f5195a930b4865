#ifndef GAMERECORDSERVICE_H
#define GAMERECORDSERVICE_H

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

class GameRecord;
class GameRecordDao;

// Turns stored runs into maps for the front end. Does not own its DAO, which
// may be null; every operation then answers with a neutral value.
class GameRecordService : public QObject
{
    Q_OBJECT
public:
    explicit GameRecordService(GameRecordDao *dao, QObject *parent = nullptr);

    bool saveGameRecord(GameRecord *record);
    // The stored run with this id, or null; *ok is false when the look-up
    // failed (and without a DAO). The caller owns the returned record.
    GameRecord *findGameRecord(const QString &id, bool *ok);
    QVariantList gameRecords(const QString &modeId);
    int highestScore(const QString &modeId);
    QVariant latestDeathPosition(const QString &modeId);

    static QVariantMap toVariantMap(const GameRecord *record);

private:
    GameRecordDao *dao;
};

#endif // GAMERECORDSERVICE_H

#ifndef GAMERECORDDAO_H
#define GAMERECORDDAO_H

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>

class GameRecord;
class QSqlQuery;

// Moves runs between GameRecord objects and the game_records table, on the
// calling thread's connection. Keeps no state; opens no transaction of its own.
class GameRecordDao : public QObject
{
    Q_OBJECT
public:
    explicit GameRecordDao(QObject *parent = nullptr);

    bool insert(GameRecord *record);
    // update and remove have no caller in the application; they stay as the
    // public interface of the table, for tools and future screens.
    bool update(GameRecord *record);
    bool remove(const QString &id);
    int highestScore(const QString &modeId);
    // Returned records are children of this object. Null both when no run has
    // the id and when the query failed; *ok (when given) tells the two apart.
    // The settlement's look-up of a repeated run is its only caller.
    GameRecord *findById(const QString &id, bool *ok = nullptr);
    QList<GameRecord *> findAll(const QString &modeId);
    // The same runs as findAll, newest first, read straight into maps keyed
    // by the record's property names (GameRecordService::toVariantMap), each
    // value of the type the record's accessor gives, NULL positions null.
    QVariantList findAllMaps(const QString &modeId);

    // Where a page of runs ends; a default one means "from the newest run".
    struct PageCursor
    {
        QString createdAt;
        qint64 position = -1;
    };
    // Up to limit runs after the cursor, newest first (created_at, then
    // insertion), as findAllMaps gives them; moves the cursor past them.
    QVariantList findPage(const QString &modeId, int limit, PageCursor &after);
    QVariant latestDeathPosition(const QString &modeId);

private:
    GameRecord *recordFromQuery(const QSqlQuery &query);
};

#endif // GAMERECORDDAO_H

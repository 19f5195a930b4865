#ifndef SKINDAO_H
#define SKINDAO_H

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>

class QSqlQuery;
class Skin;

// Reads, unlocks and selects skins by skin_id on the calling thread's
// connection. The skin rows themselves come from the catalogue import.
class SkinDao : public QObject
{
    Q_OBJECT
public:
    explicit SkinDao(QObject *parent = nullptr);

    // insert, update and findBySkinId have no caller in the application (the
    // catalogue import writes skin rows itself); they stay as the public
    // interface of the table.
    bool insert(Skin *skin);
    bool update(Skin *skin);
    // Makes this unlocked skin the only selected one, atomically.
    bool select(const QString &skinId);
    bool setUnlocked(const QString &skinId, bool unlocked);
    // Returned skins are children of this object.
    Skin *findBySkinId(const QString &skinId);
    QList<Skin *> findAll();
    // The same skins, read straight into maps keyed by the skin's property
    // names (SkinService::toVariantMap), each value of the type the skin's
    // accessor gives.
    QVariantList findAllMaps();

private:
    Skin *skinFromQuery(const QSqlQuery &query);
};

#endif // SKINDAO_H

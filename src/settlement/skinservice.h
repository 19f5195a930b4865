#ifndef SKINSERVICE_H
#define SKINSERVICE_H

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

class Skin;
class SkinDao;

// Turns skins into maps for the front end and forwards selection and
// unlocking. Does not own its DAO, which may be null.
class SkinService : public QObject
{
    Q_OBJECT
public:
    explicit SkinService(SkinDao *dao, QObject *parent = nullptr);

    QVariantList skins();
    bool selectSkin(const QString &skinId);
    bool unlockSkin(const QString &skinId);

    static QVariantMap toVariantMap(const Skin *skin);

private:
    SkinDao *dao;
};

#endif // SKINSERVICE_H

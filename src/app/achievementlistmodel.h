#ifndef ACHIEVEMENTLISTMODEL_H
#define ACHIEVEMENTLISTMODEL_H

#include "app/corewatch.h"

#include <QAbstractListModel>
#include <QHash>
#include <QVariantList>
#include <QVariantMap>

class ApplicationCore;

// Every achievement as a list row: role "achievement" is the achievement's
// map as the facade lists it, role "rewardSkinPath" the image of its reward
// skin. Current after every settlement, acknowledgement and stored run.
class AchievementListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(ApplicationCore *core READ core WRITE setCore NOTIFY coreChanged)
    // False while the achievements cannot be read.
    Q_PROPERTY(bool available READ available NOTIFY availableChanged)
public:
    enum Role { AchievementRole = Qt::UserRole + 1, RewardSkinPathRole };

    explicit AchievementListModel(QObject *parent = nullptr);

    ApplicationCore *core() const { return watch.core(); }
    void setCore(ApplicationCore *core);
    bool available() const { return ok; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void refresh();

signals:
    void coreChanged();
    void availableChanged();

private:
    CoreWatch watch;
    QVariantList items;
    QHash<QString, QString> skinPaths; // by skin row id
    bool ok;
};

#endif // ACHIEVEMENTLISTMODEL_H

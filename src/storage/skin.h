#ifndef SKIN_H
#define SKIN_H

#include <QObject>
#include <QString>

// One skin (an alternative face of the character), one skins row.
class Skin : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString componentId READ componentId WRITE setComponentId NOTIFY componentIdChanged)
    Q_PROPERTY(QString skinId READ skinId WRITE setSkinId NOTIFY skinIdChanged)
    Q_PROPERTY(QString skinName READ skinName WRITE setSkinName NOTIFY skinNameChanged)
    Q_PROPERTY(QString skinPath READ skinPath WRITE setSkinPath NOTIFY skinPathChanged)
    Q_PROPERTY(bool unlocked READ unlocked WRITE setUnlocked NOTIFY unlockedChanged)
    Q_PROPERTY(bool selected READ selected WRITE setSelected NOTIFY selectedChanged)
    Q_PROPERTY(QString createdAt READ createdAt WRITE setCreatedAt NOTIFY createdAtChanged)
    Q_PROPERTY(QString updatedAt READ updatedAt WRITE setUpdatedAt NOTIFY updatedAtChanged)

public:
    explicit Skin(QObject *parent = nullptr);

    QString componentId() const { return m_componentId; }
    QString skinId() const { return m_skinId; }
    QString skinName() const { return m_skinName; }
    QString skinPath() const { return m_skinPath; }
    bool unlocked() const { return m_unlocked; }
    bool selected() const { return m_selected; }
    QString createdAt() const { return m_createdAt; }
    QString updatedAt() const { return m_updatedAt; }

    void setComponentId(const QString &value);
    void setSkinId(const QString &value);
    void setSkinName(const QString &value);
    void setSkinPath(const QString &value);
    void setUnlocked(bool value);
    void setSelected(bool value);
    void setCreatedAt(const QString &value);
    void setUpdatedAt(const QString &value);

signals:
    void componentIdChanged();
    void skinIdChanged();
    void skinNameChanged();
    void skinPathChanged();
    void unlockedChanged();
    void selectedChanged();
    void createdAtChanged();
    void updatedAtChanged();

private:
    QString m_componentId;
    QString m_skinId;
    QString m_skinName;
    QString m_skinPath;
    bool m_unlocked = false;
    bool m_selected = false;
    QString m_createdAt;
    QString m_updatedAt;
};

#endif // SKIN_H

#ifndef GAMERECORD_H
#define GAMERECORD_H

#include <QObject>
#include <QString>
#include <QVariant>

// One finished run, one game_records row.
class GameRecord : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString componentId READ componentId WRITE setComponentId NOTIFY componentIdChanged)
    Q_PROPERTY(QString modeId READ modeId WRITE setModeId NOTIFY modeIdChanged)
    Q_PROPERTY(int score READ score WRITE setScore NOTIFY scoreChanged)
    Q_PROPERTY(QVariant deathWorldY READ deathWorldY WRITE setDeathWorldY NOTIFY deathWorldYChanged)
    Q_PROPERTY(QVariant deathWorldX READ deathWorldX WRITE setDeathWorldX NOTIFY deathWorldXChanged)
    Q_PROPERTY(QString endReason READ endReason WRITE setEndReason NOTIFY endReasonChanged)
    Q_PROPERTY(QString startedAt READ startedAt WRITE setStartedAt NOTIFY startedAtChanged)
    Q_PROPERTY(QString endedAt READ endedAt WRITE setEndedAt NOTIFY endedAtChanged)
    Q_PROPERTY(QString createdAt READ createdAt WRITE setCreatedAt NOTIFY createdAtChanged)
    Q_PROPERTY(QString updatedAt READ updatedAt WRITE setUpdatedAt NOTIFY updatedAtChanged)

public:
    explicit GameRecord(QObject *parent = nullptr);

    QString componentId() const { return m_componentId; }
    QString modeId() const { return m_modeId; }
    int score() const { return m_score; }
    int jumpCount() const { return m_jumpCount; }
    int maxSectionJumpCount() const { return m_maxSectionJumpCount; }
    int wallCollisionCount() const { return m_wallCollisionCount; }
    int blockCollisionCount() const { return m_blockCollisionCount; }
    QVariant deathWorldY() const { return m_deathWorldY; }
    QVariant deathWorldX() const { return m_deathWorldX; }
    QString endReason() const { return m_endReason; }
    QString startedAt() const { return m_startedAt; }
    QString endedAt() const { return m_endedAt; }
    QString createdAt() const { return m_createdAt; }
    QString updatedAt() const { return m_updatedAt; }

    void setComponentId(const QString &value);
    void setModeId(const QString &value);
    void setScore(int value);
    void setJumpCount(int value) { m_jumpCount = value; }
    void setMaxSectionJumpCount(int value) { m_maxSectionJumpCount = value; }
    void setWallCollisionCount(int value) { m_wallCollisionCount = value; }
    void setBlockCollisionCount(int value) { m_blockCollisionCount = value; }
    void setDeathWorldY(const QVariant &value);
    void setDeathWorldX(const QVariant &value);
    void setEndReason(const QString &value);
    void setStartedAt(const QString &value);
    void setEndedAt(const QString &value);
    void setCreatedAt(const QString &value);
    void setUpdatedAt(const QString &value);

signals:
    void componentIdChanged();
    void modeIdChanged();
    void scoreChanged();
    void deathWorldYChanged();
    void deathWorldXChanged();
    void endReasonChanged();
    void startedAtChanged();
    void endedAtChanged();
    void createdAtChanged();
    void updatedAtChanged();

private:
    QString m_componentId;
    QString m_modeId;
    int m_score = 0;
    int m_jumpCount = 0;
    int m_maxSectionJumpCount = 0;
    int m_wallCollisionCount = 0;
    int m_blockCollisionCount = 0;
    QVariant m_deathWorldY;
    QVariant m_deathWorldX;
    QString m_endReason;
    QString m_startedAt;
    QString m_endedAt;
    QString m_createdAt;
    QString m_updatedAt;
};

#endif // GAMERECORD_H

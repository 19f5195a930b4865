#ifndef APPLICATIONCORE_H
#define APPLICATIONCORE_H

#include <QObject>
#include <QSet>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

class AchievementService;
class AppSettings;
class GameRecordService;
class GameSettlementWorker;
class QThread;
class SkinService;

// The one object through which the QML front end reaches the backend. Lives
// on the GUI thread; settlements run on a worker thread and come back as
// gameSettled.
class ApplicationCore : public QObject
{
    Q_OBJECT
public:
    explicit ApplicationCore(QObject *parent = nullptr);
    ~ApplicationCore() override;

    Q_INVOKABLE QString newGameId() const;
    Q_INVOKABLE bool submitGameRecord(const QVariantMap &snapshot);
    Q_INVOKABLE bool acknowledgeSkinRewards(const QString &requestId, const QVariantList &codes);

    Q_INVOKABLE void setAppSetting(const QString &group, const QString &key, const QVariant &value);
    Q_INVOKABLE QVariant appSetting(const QString &group, const QString &key,
                                    const QVariant &defaultValue = QVariant());
    Q_INVOKABLE bool saveGameRecord(const QString &componentId, const QString &modeId, int score,
                                    const QString &endReason, const QString &startedAt,
                                    const QString &endedAt,
                                    const QVariant &deathWorldY = QVariant(),
                                    const QVariant &deathWorldX = QVariant(), int jumpCount = 0,
                                    int maxSectionJumpCount = 0, int wallCollisionCount = 0,
                                    int blockCollisionCount = 0);
    Q_INVOKABLE QVariantList gameRecords(const QString &modeId = QString());
    Q_INVOKABLE int highestScore(const QString &modeId = QString());
    Q_INVOKABLE QVariant latestDeathPosition(const QString &modeId);
    Q_INVOKABLE QVariantMap achievements();
    Q_INVOKABLE QVariantList skins();
    Q_INVOKABLE bool selectSkin(const QString &skinId);
    Q_INVOKABLE bool unlockSkin(const QString &skinId);

signals:
    void initialized();
    void settlementRequested(const QVariantMap &snapshot);
    void rewardAcknowledgementRequested(const QString &requestId, const QVariantList &codes);
    void skinRewardsAcknowledged(const QString &requestId, bool success);
    void gameSettled(const QString &gameId, bool success, const QVariantList &rewards,
                     int bestScore);

private:
    // Whether the catalogue is imported, importing it again if it was not.
    bool achievementsAvailable();
    void startWorker();
    void stopWorker();

    AppSettings *settings;
    GameRecordService *gameRecordService;
    SkinService *skinService;
    AchievementService *achievementService;
    QThread *workerThread;
    GameSettlementWorker *worker;
    QSet<QString> pendingGameIds;
    bool shuttingDown;
};

#endif // APPLICATIONCORE_H

#ifndef GAMERECORDMODEL_H
#define GAMERECORDMODEL_H

#include "storage/gamerecorddao.h"
#include "storage/replaydao.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>
#include <QVector>

// The stored runs of one mode (all modes when empty), newest first, for a QML
// list: it reads a page at a time as the view scrolls (canFetchMore and
// fetchMore), so opening the list costs one page however many runs are
// stored. Its roles are named like the keys of a record map ("score",
// "endReason", ...), and "hasReplay" tells whether the run's replay is
// stored (see StoredReplays for reading it). Lives on the GUI thread, on that thread's connection,
// and refreshes itself after every run stored: settled through its core, or
// saved synchronously by anyone.
class ApplicationCore;

class GameRecordModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(ApplicationCore *core READ core WRITE setCore NOTIFY coreChanged)
    Q_PROPERTY(QString modeId READ modeId WRITE setModeId NOTIFY modeIdChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    explicit GameRecordModel(QObject *parent = nullptr);

    ApplicationCore *core() const;
    void setCore(ApplicationCore *core);
    QString modeId() const { return mode; }
    void setModeId(const QString &modeId);
    // Runs read so far.
    int count() const { return rows.size(); }
    void setPageSize(int size) { pageSize = qMax(1, size); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    // Reads the list again from its first page.
    Q_INVOKABLE void refresh();
    // Refreshes once the answers already queued have been handled: a group
    // of settled runs comes back as a row of answers, and one reading of the
    // first page serves them all.
    void refreshSoon();

signals:
    void coreChanged();
    void modeIdChanged();
    void countChanged();

private:
    void onSettled(const QString &gameId, bool success);

    QPointer<ApplicationCore> facade;
    QString mode;
    QVector<QVariantMap> rows;
    GameRecordDao dao;
    ReplayDao replays;
    GameRecordDao::PageCursor cursor;
    QHash<int, QByteArray> roles;
    QStringList keys; // by role, from Qt::UserRole + 1
    int pageSize;
    bool exhausted;
    bool refreshQueued;
};

#endif // GAMERECORDMODEL_H

#include "app/gamerecordmodel.h"

#include "app/applicationcore.h"
#include "app/localchanges.h"

namespace {

// Enough rows to fill a phone screen a few times over.
const int kPageSize = 50;

} // namespace

GameRecordModel::GameRecordModel(QObject *parent)
    : QAbstractListModel(parent)
    , pageSize(kPageSize)
    , exhausted(false)
    , refreshQueued(false)
{
    const char *const keys[] = {"componentId",
                                "modeId",
                                "score",
                                "jumpCount",
                                "maxSectionJumpCount",
                                "wallCollisionCount",
                                "blockCollisionCount",
                                "deathWorldY",
                                "deathWorldX",
                                "endReason",
                                "startedAt",
                                "endedAt",
                                "createdAt",
                                "updatedAt",
                                "hasReplay"};
    int role = Qt::UserRole + 1;
    for (const char *key : keys) {
        roles.insert(role++, QByteArray(key));
        this->keys << QLatin1String(key);
    }
    connect(LocalChanges::instance(), &LocalChanges::runStored, this, &GameRecordModel::refresh);
}

ApplicationCore *GameRecordModel::core() const
{
    return facade.data();
}

void GameRecordModel::setCore(ApplicationCore *core)
{
    if (core == facade)
        return;
    if (facade)
        disconnect(facade.data(), nullptr, this, nullptr);
    facade = core;
    if (facade)
        connect(facade.data(), &ApplicationCore::gameSettled, this, &GameRecordModel::onSettled);
    emit coreChanged();
}

void GameRecordModel::onSettled(const QString &, bool success)
{
    if (success)
        refreshSoon();
}

void GameRecordModel::setModeId(const QString &modeId)
{
    if (modeId == mode)
        return;
    mode = modeId;
    emit modeIdChanged();
    refresh();
}

int GameRecordModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

QVariant GameRecordModel::data(const QModelIndex &index, int role) const
{
    const int key = role - Qt::UserRole - 1;
    if (!index.isValid() || index.row() >= rows.size() || key < 0 || key >= keys.size())
        return QVariant();
    return rows.at(index.row()).value(keys.at(key));
}

QHash<int, QByteArray> GameRecordModel::roleNames() const
{
    return roles;
}

bool GameRecordModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !exhausted;
}

void GameRecordModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    const QVariantList page = dao.findPage(mode, pageSize, cursor);
    // A short page is the last one (a failed read too: nothing to wait for).
    exhausted = page.size() < pageSize;
    if (page.isEmpty())
        return;
    beginInsertRows(QModelIndex(), rows.size(), rows.size() + page.size() - 1);
    // One look-up by key per run: a page is a few dozen.
    for (const QVariant &row : page) {
        QVariantMap map = row.toMap();
        map.insert(QStringLiteral("hasReplay"),
                   replays.exists(map.value(QStringLiteral("componentId")).toString()));
        rows.append(map);
    }
    endInsertRows();
    emit countChanged();
}

void GameRecordModel::refreshSoon()
{
    if (refreshQueued)
        return;
    refreshQueued = true;
    QMetaObject::invokeMethod(this, "refresh", Qt::QueuedConnection);
}

void GameRecordModel::refresh()
{
    refreshQueued = false;
    beginResetModel();
    rows.clear();
    cursor = GameRecordDao::PageCursor();
    exhausted = false;
    endResetModel();
    fetchMore(QModelIndex());
    emit countChanged();
}

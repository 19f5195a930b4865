#include "game/worlditemmodel.h"

#include "game/gamesimulation.h"
#include "game/tuning.h"

namespace {

enum Kind { WallKind, BlockKind, PowerUpKind };

const int RowsPerSection = 2 + TowerSection::MaxBlocks + 1;

} // namespace

WorldItemModel::WorldItemModel(QObject *parent)
    : QAbstractListModel(parent)
    , rows(GameSimulation::LiveSections * RowsPerSection)
{ }

int WorldItemModel::rowsPerSection()
{
    return RowsPerSection;
}

bool WorldItemModel::Row::operator==(const Row &other) const
{
    return kind == other.kind && left == other.left && bottom == other.bottom
            && width == other.width && height == other.height && present == other.present
            && powerUp == other.powerUp && section == other.section && moving == other.moving
            && shift == other.shift;
}

int WorldItemModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

QVariant WorldItemModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows.size()))
        return QVariant();
    const Row &row = rows[size_t(index.row())];
    switch (role) {
    case KindRole:
        return row.kind == WallKind
                ? QStringLiteral("wall")
                : (row.kind == BlockKind ? QStringLiteral("block") : QStringLiteral("powerup"));
    case LeftRole:
        return row.left;
    case BottomRole:
        return row.bottom;
    case ItemWidthRole:
        return row.width;
    case ItemHeightRole:
        return row.height;
    case PresentRole:
        return row.present;
    case PowerUpRole:
        switch (row.powerUp) {
        case TowerSection::Dash:
            return QStringLiteral("dash");
        case TowerSection::Clear:
            return QStringLiteral("clear");
        case TowerSection::Shield:
            return QStringLiteral("shield");
        }
        return QString();
    case SectionRole:
        return row.section;
    case MovingRole:
        return row.moving;
    case ShiftRole:
        return row.shift;
    }
    return QVariant();
}

QHash<int, QByteArray> WorldItemModel::roleNames() const
{
    return {{KindRole, "kind"},
            {LeftRole, "itemLeft"},
            {BottomRole, "itemBottom"},
            {ItemWidthRole, "itemWidth"},
            {ItemHeightRole, "itemHeight"},
            {PresentRole, "present"},
            {PowerUpRole, "powerUp"},
            {SectionRole, "section"},
            {MovingRole, "moving"},
            {ShiftRole, "itemShift"}};
}

void WorldItemModel::refresh(const GameSimulation &simulation)
{
    const double unit = GameSimulation::Unit;
    int first = -1;
    int last = -1;
    for (int slot = 0; slot < GameSimulation::LiveSections; ++slot) {
        const TowerSection &section = simulation.section(slot);
        for (int piece = 0; piece < RowsPerSection; ++piece) {
            Row row;
            row.section = section.index;
            if (piece < 2 + TowerSection::MaxBlocks) {
                const TowerSection::Obstacle &o
                        = piece < 2 ? section.walls[piece] : section.blocks[piece - 2];
                row.kind = piece < 2 ? WallKind : BlockKind;
                row.left = o.left / unit;
                row.bottom = o.bottom / unit;
                row.width = o.width / unit;
                row.height = o.height / unit;
                row.present = o.present;
                row.moving = o.velocity != 0;
                row.shift = o.velocity / unit;
            } else {
                const TowerSection::PowerUp &power = section.powerUp;
                const double radius = Tuning::PowerUpRadius / unit;
                row.kind = PowerUpKind;
                row.left = power.x / unit - radius;
                row.bottom = power.y / unit - radius;
                row.width = 2 * radius;
                row.height = 2 * radius;
                row.present = power.present;
                row.powerUp = power.kind;
            }
            const int index = slot * RowsPerSection + piece;
            if (rows[size_t(index)] == row)
                continue;
            rows[size_t(index)] = row;
            if (first < 0)
                first = index;
            last = index;
        }
    }
    if (first >= 0)
        emit dataChanged(this->index(first), this->index(last));
}

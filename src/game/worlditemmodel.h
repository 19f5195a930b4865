#ifndef WORLDITEMMODEL_H
#define WORLDITEMMODEL_H

#include <QAbstractListModel>
#include <vector>

class GameSimulation;

// The tower's walls, blocks and power-ups as a list with a constant number
// of rows: one row per place in the simulation's ring of live sections.
// A section that scrolls away hands its rows to the next one up, so the
// view reuses the same items for the whole run and never creates any.
class WorldItemModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role {
        KindRole = Qt::UserRole + 1,
        LeftRole,
        BottomRole,
        ItemWidthRole,
        ItemHeightRole,
        PresentRole,
        PowerUpRole,
        SectionRole,
        MovingRole,
        ShiftRole
    };

    explicit WorldItemModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Reads the world and announces the rows that changed.
    void refresh(const GameSimulation &simulation);

    static int rowsPerSection();

private:
    struct Row
    {
        int kind = 0;
        // World units, y upward; the view turns them into pixels.
        double left = 0;
        double bottom = 0;
        double width = 0;
        double height = 0;
        bool present = false;
        int powerUp = 0;
        int section = -1;
        bool moving = false;
        // How far a sliding piece moved in the last step, for drawing it
        // between steps.
        double shift = 0;

        bool operator==(const Row &other) const;
    };

    std::vector<Row> rows;
};

#endif // WORLDITEMMODEL_H

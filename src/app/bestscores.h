#ifndef BESTSCORES_H
#define BESTSCORES_H

#include "app/corewatch.h"

#include <QObject>
#include <QString>

class ApplicationCore;

// The best stored score of each mode, current after every stored run.
class BestScores : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ApplicationCore *core READ core WRITE setCore NOTIFY coreChanged)
    Q_PROPERTY(int endless READ endless NOTIFY changed)
    Q_PROPERTY(int daily READ daily NOTIFY changed)
public:
    explicit BestScores(QObject *parent = nullptr);

    ApplicationCore *core() const { return watch.core(); }
    void setCore(ApplicationCore *core);
    int endless() const { return endlessBest; }
    int daily() const { return dailyBest; }

    // Any mode, all modes when empty: 0 without runs, -1 when unreadable.
    // Re-read it on `changed`.
    Q_INVOKABLE int of(const QString &modeId) const;
    Q_INVOKABLE void refresh();

signals:
    void coreChanged();
    void changed();

private:
    CoreWatch watch;
    int endlessBest;
    int dailyBest;
};

#endif // BESTSCORES_H

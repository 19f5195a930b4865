#ifndef STOREDREPLAYS_H
#define STOREDREPLAYS_H

#include "app/corewatch.h"

#include <QObject>
#include <QString>

class ApplicationCore;

// The replays stored with the player's runs, for QML: each as the text code
// of Replay::toCode, ready to watch, race or share. Only a replay that still
// plays to its run's stored figures is given out; anything else reads as
// "". Reads on the GUI thread's connection, which its core opened.
class StoredReplays : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ApplicationCore *core READ core WRITE setCore NOTIFY coreChanged)
public:
    explicit StoredReplays(QObject *parent = nullptr);

    ApplicationCore *core() const { return watch.core(); }
    void setCore(ApplicationCore *core);

    // The code of the run's replay, or "".
    Q_INVOKABLE QString codeOf(const QString &runId) const;
    // The code of today's (UTC) best run of the mode that has a replay, or
    // "": for "daily", only a run on today's tower.
    Q_INVOKABLE QString bestOfDay(const QString &modeId) const;

signals:
    void coreChanged();
    // A run was stored: what the calls above answer may have changed.
    void changed();

private:
    CoreWatch watch;
};

#endif // STOREDREPLAYS_H

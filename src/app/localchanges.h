#ifndef LOCALCHANGES_H
#define LOCALCHANGES_H

#include <QObject>
#include <QString>

// Announces what the GUI thread has just changed through its synchronous
// calls (a run stored, a skin worn or unlocked, a setting written), so the front end's
// state objects refresh themselves whoever made the call. Settlements on the
// worker announce themselves through the facade's own signals instead.
// GUI thread only.
class LocalChanges : public QObject
{
    Q_OBJECT
public:
    static LocalChanges *instance();

    void announceRunStored() { emit runStored(); }
    void announceSkinsChanged() { emit skinsChanged(); }
    void announceSettingWritten(const QString &group, const QString &key)
    {
        emit settingWritten(group, key);
    }

signals:
    void runStored();
    void skinsChanged();
    void settingWritten(const QString &group, const QString &key);

private:
    LocalChanges() { }
};

#endif // LOCALCHANGES_H

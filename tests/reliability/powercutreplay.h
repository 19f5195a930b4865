#ifndef POWERCUTREPLAY_H
#define POWERCUTREPLAY_H

// Rebuilds, from the sync shim's log, the files as a power cut at any point
// of the log would leave them. The model is what a file system promises and
// no more: a file's data survives as of its last sync, a name as of the last
// sync of its directory. The torn variant also lets each 512-byte piece of
// every write since a file's last sync land or not, as a disk's sectors do.

#include "powercutevent.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QVector>

#include <cstring>
#include <random>

class PowerCutReplay
{
public:
    struct Event
    {
        char kind;
        quint64 inode;
        quint64 offset;
        QByteArray data;
    };
    QVector<Event> events;

    bool load(const QString &logPath)
    {
        QFile file(logPath);
        const QByteArray log = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        PowerCutEvent header;
        int at = 0;
        for (; at + int(sizeof header) <= log.size(); at += int(sizeof header + header.size)) {
            memcpy(&header, log.constData() + at, sizeof header);
            events.append({header.kind, header.inode, header.offset,
                           log.mid(at + int(sizeof header), int(header.size))});
        }
        return at == log.size() && !events.isEmpty();
    }

    void apply(const Event &event)
    {
        const QString name = QString::fromUtf8(event.data);
        int file = live.value(event.inode, -1);
        if (event.kind == 'N' || (event.kind == 'O' && (event.offset == 1 || file < 0))) {
            file = files.size();
            live.insert(event.inode, file);
            files.append(File());
        }
        if ((event.kind == 'O' || event.kind == 'L') && file >= 0)
            names[name] = file;
        if ((event.kind == 'W' || event.kind == 'T') && file >= 0) {
            change(files[file].current, event);
            files[file].pending.append(event);
        }
        if (event.kind == 'S' && file >= 0) {
            files[file].durable = files[file].current;
            files[file].pending.clear();
        }
        if (event.kind == 'D') {
            for (const QString &path : names.keys() + durableNames.keys()) {
                if (path.left(path.lastIndexOf('/')) != name)
                    continue;
                if (names.contains(path))
                    durableNames[path] = names.value(path);
                else
                    durableNames.remove(path);
            }
        }
        const int nul = event.data.indexOf('\0');
        const QString from = QString::fromUtf8(event.data.left(nul));
        if (event.kind == 'R' && names.contains(from))
            names[QString::fromUtf8(event.data.mid(nul + 1))] = names.take(from);
        if (event.kind == 'U')
            names.remove(name);
    }

    // Every file found after a cut now, the watched directory `from` placed
    // at `to`; with `tear`, each piece of unsynced writes lands with odds 1/2.
    bool writeImage(const QString &from, const QString &to, std::mt19937 *tear) const
    {
        for (auto it = durableNames.cbegin(); it != durableNames.cend(); ++it) {
            QByteArray content = files.at(it.value()).durable;
            for (const Event &event : tear ? files.at(it.value()).pending : QVector<Event>()) {
                for (quint64 at = event.offset, end = at + quint64(event.data.size());
                     at < end || event.kind == 'T'; at = (at / 512 + 1) * 512) {
                    const int piece = int(qMin(end, (at / 512 + 1) * 512) - at);
                    if ((*tear)() % 2)
                        change(content,
                               {event.kind, 0, at, event.data.mid(int(at - event.offset), piece)});
                    if (event.kind == 'T')
                        break;
                }
            }
            QFile out(to + it.key().mid(from.size()));
            if (!QDir().mkpath(it.key().left(it.key().lastIndexOf('/')).replace(0, from.size(), to))
                || !out.open(QIODevice::WriteOnly) || out.write(content) != content.size())
                return false;
        }
        return true;
    }

private:
    struct File
    {
        QByteArray current;
        QByteArray durable;
        QVector<Event> pending;
    };

    static void change(QByteArray &content, const Event &event)
    {
        if (event.kind == 'T') {
            content.resize(int(event.offset));
            return;
        }
        const int end = int(event.offset) + event.data.size();
        if (content.size() < end)
            content.append(QByteArray(end - content.size(), '\0'));
        memcpy(content.data() + event.offset, event.data.constData(), size_t(event.data.size()));
    }

    QVector<File> files;
    QHash<quint64, int> live;
    QMap<QString, int> names;
    QMap<QString, int> durableNames;
};

#endif // POWERCUTREPLAY_H

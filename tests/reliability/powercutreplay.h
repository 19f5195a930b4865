#ifndef POWERCUTREPLAY_H
#define POWERCUTREPLAY_H

// Rebuilds, from the sync shim's log, the files as a power cut at any point
// of the log would leave them. The model is the one a file system promises
// and no more: a file's data survives as of its last sync, a name (created,
// renamed, linked, removed) as of the last sync of its directory. The torn
// variant also lets each 512-byte piece of every write since a file's last
// sync land or not, independently, the way a disk's sectors do.

#include "powercutevent.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QString>
#include <QVector>

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

    bool load(const QString &logPath)
    {
        QFile file(logPath);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray log = file.readAll();
        int at = 0;
        while (at + int(sizeof(PowerCutEvent)) <= log.size()) {
            PowerCutEvent header;
            memcpy(&header, log.constData() + at, sizeof header);
            at += int(sizeof header);
            if (at + int(header.size) > log.size())
                return false;
            events.append(
                    {header.kind, header.inode, header.offset, log.mid(at, int(header.size))});
            at += int(header.size);
        }
        return at == log.size();
    }

    const QVector<Event> &log() const { return events; }

    // Applies the next event of the log to the model.
    void apply(const Event &event)
    {
        switch (event.kind) {
        case 'O':
            if (event.offset == 1 || !live.contains(event.inode))
                newFile(event.inode);
            names[QString::fromUtf8(event.data)] = live.value(event.inode);
            break;
        case 'N':
            newFile(event.inode);
            break;
        case 'W':
        case 'T':
            if (live.contains(event.inode)) {
                File &file = files[live.value(event.inode)];
                change(file.current, event);
                file.pending.append(event);
            }
            break;
        case 'S':
            if (live.contains(event.inode)) {
                File &file = files[live.value(event.inode)];
                file.durable = file.current;
                file.pending.clear();
            }
            break;
        case 'D': {
            const QString dir = QString::fromUtf8(event.data);
            for (auto it = durableNames.begin(); it != durableNames.end();) {
                if (parentOf(it.key()) == dir)
                    it = durableNames.erase(it);
                else
                    ++it;
            }
            for (auto it = names.cbegin(); it != names.cend(); ++it) {
                if (parentOf(it.key()) == dir)
                    durableNames.insert(it.key(), it.value());
            }
            break;
        }
        case 'L':
            if (live.contains(event.inode))
                names[QString::fromUtf8(event.data)] = live.value(event.inode);
            break;
        case 'R': {
            const QList<QByteArray> both = event.data.split('\0');
            const QString from = QString::fromUtf8(both.value(0));
            if (both.size() == 2 && names.contains(from))
                names[QString::fromUtf8(both.at(1))] = names.take(from);
            break;
        }
        case 'U':
            names.remove(QString::fromUtf8(event.data));
            break;
        default:
            break;
        }
    }

    // Writes every file that would be found after a cut now, with the
    // watched directory `from` replaced by `to`. With `tear`, each piece of
    // the writes since the file's last sync lands with probability one half.
    bool writeImage(const QString &from, const QString &to, std::mt19937 *tear = nullptr) const
    {
        for (auto it = durableNames.cbegin(); it != durableNames.cend(); ++it) {
            if (!it.key().startsWith(from))
                continue;
            const File &file = files.at(it.value());
            QByteArray content = file.durable;
            if (tear) {
                for (const Event &pending : file.pending)
                    tearInto(content, pending, *tear);
            }
            const QString target = to + it.key().mid(from.size());
            QDir().mkpath(QFileInfo(target).path());
            QFile out(target);
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
                || out.write(content) != content.size())
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

    static QString parentOf(const QString &path) { return path.left(path.lastIndexOf('/')); }

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

    static void tearInto(QByteArray &content, const Event &event, std::mt19937 &random)
    {
        if (event.kind == 'T') {
            if (random() % 2)
                change(content, event);
            return;
        }
        const quint64 end = event.offset + quint64(event.data.size());
        for (quint64 piece = event.offset; piece < end; piece = (piece / 512 + 1) * 512) {
            const quint64 pieceEnd = qMin(end, (piece / 512 + 1) * 512);
            if (random() % 2) {
                change(content,
                       {'W', event.inode, piece,
                        event.data.mid(int(piece - event.offset), int(pieceEnd - piece))});
            }
        }
    }

    void newFile(quint64 inode)
    {
        live.insert(inode, files.size());
        files.append(File());
    }

    QVector<Event> events;
    QVector<File> files;
    QHash<quint64, int> live;
    QMap<QString, int> names;
    QMap<QString, int> durableNames;
};

#endif // POWERCUTREPLAY_H

// Power cuts, modelled. The helper child runs two sessions on one
// configuration directory under the sync shim, which logs every write and
// sync and everything the child was told. The files are rebuilt as a cut
// just before each sync would leave them, and every image must hold what the
// child had been told by then: runs settled or saved, skins unlocked and
// selected, rewards acknowledged, the language set, in a sound database
// whose achievements agree with its runs.

#include "powercutevent.h"
#include "testsupport.h"

#include <QProcess>
#include <QSettings>
#include <QtTest>

#include <cstring>
#include <random>

namespace {

struct Event
{
    char kind;
    quint64 inode;
    quint64 offset;
    QByteArray data;
};

// Rebuilds, from the sync shim's log, the files as a power cut at any point
// of the log would leave them. The model is what a file system promises and
// no more: a file's data survives as of its last sync, a name as of the last
// sync of its directory. The torn variant also lets each 512-byte piece of
// every write since a file's last sync land or not, as a disk's sectors do.

class PowerCutReplay
{
public:
    void apply(const Event &event)
    {
        const QString name = QString::fromUtf8(event.data);
        int file = live.value(event.inode, -1);
        if (event.kind == 'O' && (event.offset == 1 || file < 0)) {
            file = files.size();
            live.insert(event.inode, file);
            files.append(File());
        }
        if ((event.kind == 'O' || event.kind == 'L') && file >= 0 && !name.isEmpty())
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

// The shim's log: each entry's header, then its data.
QVector<Event> readLog(const QString &path)
{
    QFile file(path);
    const QByteArray log = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QVector<Event> events;
    PowerCutEvent header;
    int at = 0;
    for (; at + int(sizeof header) <= log.size(); at += int(sizeof header + header.size)) {
        memcpy(&header, log.constData() + at, sizeof header);
        events.append({header.kind, header.inode, header.offset,
                       log.mid(at + int(sizeof header), int(header.size))});
    }
    return at == log.size() ? events : QVector<Event>();
}

} // namespace

class tst_PowerCut : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void confirmedSurvives_data();
    void confirmedSurvives();

private:
    TestStorage storage;
    QVector<Event> log;
};

void tst_PowerCut::initTestCase()
{
    setTestApplicationNames();
    for (int session = 0; session < 2; ++session) {
        const QByteArray output
                = runChild(storage.path(),
                           {"settle", QString::number(7 + session),
                            QStringLiteral("p%1").arg(session), QString::number(stressScaled(40))},
                           {{"LD_PRELOAD", HOPLIX_SYNC_SHIM},
                            {"HOPLIX_SHIM_LOG", storage.path() + "/writes.log"},
                            {"HOPLIX_SHIM_DIR", storage.path() + "/org.hoplix"}});
        QVERIFY2(output.endsWith("done\n"), output.right(200).constData());
    }
    log = readLog(storage.path() + "/writes.log");
    QVERIFY(!log.isEmpty());
}

void tst_PowerCut::confirmedSurvives_data()
{
    QTest::addColumn<bool>("torn");
    QTest::newRow("synced data only") << false;
    QTest::newRow("torn unsynced writes") << true;
}

void tst_PowerCut::confirmedSurvives()
{
    QFETCH(bool, torn);
    const QString watched = storage.path() + "/org.hoplix";
    QTemporaryDir imageRoot;
    const QString relative = TestStorage::configLocation().mid(watched.size());
    std::mt19937 tear(20250131u);

    // A selection under way at the cut may already be in the file: the one
    // the child is told next counts too.
    QVector<QString> nextSelection(log.size() + 1);
    for (int i = log.size() - 1; i >= 0; --i) {
        const QByteArray line = log.at(i).kind == 'M' ? log.at(i).data : QByteArray();
        nextSelection[i] = line.startsWith("selected ") && line.endsWith(" 1\n")
                ? QString::fromUtf8(line.split(' ').at(1))
                : nextSelection[i + 1];
    }

    PowerCutReplay replay;
    QSet<QString> runs, unlocked, acknowledged;
    QString selected = QStringLiteral("default");
    bool ready = false;
    int language = -1, cuts = 0;
    QStringList problems;
    for (int i = 0; i <= log.size(); ++i) {
        if (i == log.size() || log.at(i).kind == 'S' || log.at(i).kind == 'D') {
            // A directory of its own for each image: QSettings caches what it read by path.
            const QString image = imageRoot.path() + '/' + QString::number(++cuts);
            const QString config = image + relative;
            QVERIFY(replay.writeImage(watched, image, torn ? &tear : nullptr));
            QStringList found;
            if (QFile::exists(config + "/db/harbour-hoplix.db")) {
                DatabaseCheck check(config + "/db/harbour-hoplix.db");
                found << (ready ? check.problems(true)
                                  : check.value("PRAGMA integrity_check") == "ok" ? ""
                                                                                  : "damaged");
                const auto lost = [&](const QSet<QString> &told, const char *query) {
                    return !(told - setOf(check.texts(QLatin1String(query)))).isEmpty();
                };
                if (lost(runs, "SELECT id FROM game_records"))
                    found << "runs lost";
                if (lost(unlocked, "SELECT skin_id FROM skins WHERE is_unlocked=1"))
                    found << "unlock lost";
                if (acknowledged.intersects(setOf(check.texts(
                            "SELECT code FROM achievements WHERE notification_pending"))))
                    found << "acknowledgement lost";
                const QStringList worn = check.texts("SELECT skin_id FROM skins WHERE is_selected");
                if (ready && worn != QStringList(selected) && worn != QStringList(nextSelection[i]))
                    found << "selection " + worn.join(',') + ", told " + selected;
            } else if (ready) {
                found << "database gone";
            }
            QSettings settings(config + "/config/appSettings.conf", QSettings::IniFormat);
            if (settings.value("APP_SETTING/LANGUAGE", -1).toInt() < language)
                found << QStringLiteral("language older than %1").arg(language);
            found.removeAll(QString());
            QDir(image).removeRecursively();
            if (!found.isEmpty())
                problems << QStringLiteral("cut before event %1: %2").arg(i).arg(found.join(", "));
        }
        if (i == log.size())
            break;
        replay.apply(log.at(i));
        if (log.at(i).kind != 'M')
            continue;
        const QStringList words = QString::fromUtf8(log.at(i).data.trimmed()).split(' ');
        const bool ok = words.value(2) == "1";
        ready = ready || words.first() == "ready";
        if (ok && (words.first() == "settled" || words.first() == "saved"))
            runs.insert(words.at(1));
        if (ok && words.first() == "unlocked")
            unlocked.insert(words.at(1));
        if (ok && words.first() == "selected")
            selected = words.at(1);
        if (ok && words.first() == "acknowledged")
            acknowledged.unite(setOf(words.value(3).split(',')));
        if (words.first() == "language")
            language = words.value(1).toInt();
    }
    qInfo("%d cut points over %d events; %d with a problem", cuts, log.size(), problems.size());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 5).join('\n')));
    QVERIFY(runs.size() > 20);
}

QTEST_GUILESS_MAIN(tst_PowerCut)
#include "tst_powercut.moc"

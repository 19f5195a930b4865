// Power cuts, modelled. The helper child runs two sessions on one
// configuration directory under the sync shim, which logs every write and
// sync and everything the child was told. The files are rebuilt as a cut
// just before each sync would leave them, and every image must hold what the
// child had been told by then: runs settled or saved, skins unlocked and
// selected, rewards acknowledged, the language set, in a sound database
// whose achievements agree with its runs.

#include "powercutreplay.h"
#include "testsupport.h"

#include <QProcess>
#include <QSettings>
#include <QtTest>

class tst_PowerCut : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void confirmedSurvives_data();
    void confirmedSurvives();

private:
    TestStorage storage;
    PowerCutReplay recorded;
};

void tst_PowerCut::initTestCase()
{
    setTestApplicationNames();
    for (int session = 0; session < 2; ++session) {
        const QByteArray output = runChild(
                storage.path(),
                {"session", QString::number(7 + session), QStringLiteral("p%1").arg(session),
                 QString::number(stressScaled(40)), QString::number(session * 1000)},
                {{"LD_PRELOAD", HOPLIX_SYNC_SHIM},
                 {"HOPLIX_SHIM_LOG", storage.path() + "/writes.log"},
                 {"HOPLIX_SHIM_DIR", storage.path() + "/org.hoplix"}});
        QVERIFY2(output.endsWith("done\n"), output.right(200).constData());
    }
    QVERIFY(recorded.load(storage.path() + "/writes.log"));
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
    const QVector<PowerCutReplay::Event> &log = recorded.events;

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

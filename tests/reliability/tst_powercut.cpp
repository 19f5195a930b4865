// Power cuts, modelled. The helper child runs two sessions on one
// configuration directory under the sync shim, which logs every write and
// sync it makes and everything it was told. From that log the files are
// rebuilt as a power cut just before each sync would leave them, and every
// image must hold what the child had been told before the cut: the runs
// answered as settled or saved, the unlocked and selected skins, the
// acknowledged rewards and the language setting, in a sound database whose
// achievements agree with its runs.

#include "powercutreplay.h"
#include "testsupport.h"

#include <QProcess>
#include <QtTest>

#include <random>

namespace {

QSet<QString> setOf(const QStringList &list)
{
    QSet<QString> set;
    for (const QString &item : list)
        set.insert(item);
    return set;
}

// What the child had been told up to a point of the log.
struct Confirmed
{
    bool ready = false;
    QSet<QString> runs;
    QSet<QString> unlocked;
    QSet<QString> acknowledged;
    QString selected = QStringLiteral("default");
    int language = -1;

    void read(const QByteArray &text)
    {
        for (const QByteArray &line : text.split('\n')) {
            const QStringList words = QString::fromUtf8(line).split(QLatin1Char(' '));
            const QString what = words.first();
            const bool ok = words.value(2) == QLatin1String("1");
            if (what == QLatin1String("ready"))
                ready = true;
            else if ((what == QLatin1String("settled") || what == QLatin1String("saved")) && ok)
                runs.insert(words.at(1));
            else if (what == QLatin1String("unlocked") && ok)
                unlocked.insert(words.at(1));
            else if (what == QLatin1String("selected") && ok)
                selected = words.at(1);
            else if (what == QLatin1String("acknowledged") && ok)
                acknowledged.unite(setOf(words.value(3).split(QLatin1Char(','))));
            else if (what == QLatin1String("language"))
                language = words.value(1).toInt();
        }
    }
};

// The language index in a settings file, -1 when there is none.
int storedLanguage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    bool inGroup = false;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith('['))
            inGroup = line.trimmed() == "[APP_SETTING]";
        else if (inGroup && line.startsWith("LANGUAGE="))
            return line.mid(9).trimmed().toInt();
    }
    return -1;
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
    std::unique_ptr<TestStorage> storage;
    PowerCutReplay recorded;
    int answers = 0;
};

void tst_PowerCut::initTestCase()
{
    setTestApplicationNames();
    storage.reset(new TestStorage);
    const QString logPath = storage->path() + QStringLiteral("/writes.log");
    const QString watched = storage->path() + QStringLiteral("/org.hoplix");
    const int runs = stressScaled(40);

    for (int session = 0; session < 2; ++session) {
        QProcess child;
        QProcessEnvironment environment = childEnvironment(storage->path());
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(HOPLIX_SYNC_SHIM));
        environment.insert(QStringLiteral("HOPLIX_SHIM_LOG"), logPath);
        environment.insert(QStringLiteral("HOPLIX_SHIM_DIR"), watched);
        child.setProcessEnvironment(environment);
        child.setStandardErrorFile(QProcess::nullDevice());
        child.start(QStringLiteral(HOPLIX_TEST_CHILD),
                    {QStringLiteral("session"), QString::number(7 + session),
                     QStringLiteral("p%1").arg(session), QString::number(runs),
                     QString::number(session * 1000)});
        QVERIFY(child.waitForFinished(300000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        const QByteArray output = child.readAllStandardOutput();
        QVERIFY2(output.endsWith("done\n"), output.right(200).constData());
        answers += output.count('\n');
    }
    QVERIFY(recorded.load(logPath));
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
    const QString watched = storage->path() + QStringLiteral("/org.hoplix");
    const QString relative = TestStorage::configLocation().mid(watched.size());
    QTemporaryDir imageRoot;
    const QString image = imageRoot.path() + QStringLiteral("/image");
    std::mt19937 tear(20250131u);

    // The answer the child got after the cut when a selection was under
    // way: either it or the one before may be found.
    const QVector<PowerCutReplay::Event> &log = recorded.log();
    QVector<QString> selectionAfter(log.size() + 1);
    for (int i = log.size() - 1; i >= 0; --i) {
        selectionAfter[i] = selectionAfter[i + 1];
        const QByteArray &line = log.at(i).data;
        if (log.at(i).kind == 'M' && line.startsWith("selected ") && line.endsWith(" 1\n"))
            selectionAfter[i] = QString::fromUtf8(line.split(' ').at(1));
    }

    PowerCutReplay replay;
    Confirmed confirmed;
    int cuts = 0;
    int imagesLosingRuns = 0;
    QStringList problems;
    for (int i = 0; i <= log.size(); ++i) {
        const bool sync = i == log.size() || log.at(i).kind == 'S' || log.at(i).kind == 'D';
        if (sync) {
            // Just before a sync: the most the child was told for what has
            // reached the disk so far.
            ++cuts;
            QDir(image).removeRecursively();
            QVERIFY(replay.writeImage(watched, image, torn ? &tear : nullptr));
            QStringList found;
            const QString databasePath = image + relative + QStringLiteral("/db/harbour-hoplix.db");
            if (QFile::exists(databasePath)) {
                DatabaseCheck check(databasePath);
                const QString damage = confirmed.ready ? check.problems(true)
                        : check.texts(QStringLiteral("PRAGMA integrity_check")) == QStringList("ok")
                        ? QString()
                        : QStringLiteral("integrity");
                if (!damage.isEmpty())
                    found << damage;
                const QSet<QString> stored
                        = setOf(check.texts(QStringLiteral("SELECT id FROM game_records")));
                const QSet<QString> lost = confirmed.runs - stored;
                if (!lost.isEmpty()) {
                    ++imagesLosingRuns;
                    found << QStringLiteral("%1 runs lost").arg(lost.size());
                }
                const QSet<QString> unlocked = setOf(check.texts(
                        QStringLiteral("SELECT skin_id FROM skins WHERE is_unlocked=1")));
                if (!(confirmed.unlocked - unlocked).isEmpty())
                    found << QStringLiteral("unlock lost");
                const QStringList pending = check.texts(QStringLiteral(
                        "SELECT code FROM achievements WHERE notification_pending=1"));
                if (confirmed.acknowledged.intersects(setOf(pending)))
                    found << QStringLiteral("acknowledgement lost");
                const QStringList selected = check.texts(
                        QStringLiteral("SELECT skin_id FROM skins WHERE is_selected=1"));
                if (confirmed.ready
                    && (selected.size() != 1
                        || (selected.first() != confirmed.selected
                            && selected.first() != selectionAfter.at(i))))
                    found << QStringLiteral("selection %1, told %2")
                                     .arg(selected.join(','), confirmed.selected);
            } else if (confirmed.ready) {
                found << QStringLiteral("database gone");
                imagesLosingRuns += !confirmed.runs.isEmpty();
            }
            const int language = storedLanguage(image + relative + "/config/appSettings.conf");
            if (language < confirmed.language)
                found << QStringLiteral("language %1, told %2")
                                 .arg(language)
                                 .arg(confirmed.language);
            if (!found.isEmpty())
                problems << QStringLiteral("cut before event %1: %2").arg(i).arg(found.join(", "));
        }
        if (i == log.size())
            break;
        replay.apply(log.at(i));
        if (log.at(i).kind == 'M')
            confirmed.read(log.at(i).data);
    }

    qInfo("%d cut points over %d events, %d answers; %d images lost confirmed runs, %d images "
          "with any problem",
          cuts, log.size(), answers, imagesLosingRuns, problems.size());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 5).join('\n')));
    QVERIFY(confirmed.runs.size() > 20);
}

QTEST_GUILESS_MAIN(tst_PowerCut)
#include "tst_powercut.moc"

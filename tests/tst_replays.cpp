#include "app/applicationcore.h"
#include "app/gamerecordmodel.h"
#include "app/runkeeper.h"
#include "app/storedreplays.h"
#include "testsupport.h"

#include <QDateTime>
#include <QSignalSpy>

namespace {

QVariant settle(ApplicationCore &core, const QVariantMap &snapshot)
{
    QSignalSpy settled(&core, &ApplicationCore::gameSettled);
    if (!core.submitGameRecord(snapshot) || !settled.wait(10000) || settled.count() != 1)
        return QVariant();
    return settled.first().value(1);
}

int count(const QString &table, const QString &where = QStringLiteral("1"))
{
    return sqlText(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, where)).toInt();
}

QByteArray replayBytes(const QVariantMap &snapshot)
{
    return QByteArray::fromBase64(snapshot.value(RunSnapshot::Replay).toString().toLatin1());
}

QString base64(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

} // namespace

// Replays kept with their runs, read back for the front end, and runs kept
// on the GUI side while the storage refuses them. Every test has its own
// configuration directory and facade.
class tst_Replays : public QObject
{
    Q_OBJECT
    std::unique_ptr<ApplicationCore> core;
    std::unique_ptr<TestStorage> storage;

private slots:
    void init()
    {
        core.reset();
        storage.reset(new TestStorage);
        core.reset(new ApplicationCore);
    }
    void cleanupTestCase()
    {
        core.reset();
        storage.reset();
    }

    void settledWithItsRun_data()
    {
        QTest::addColumn<QString>("replay");  // base64; "-" leaves the key out
        QTest::addColumn<QString>("refusal"); // the warning's reason; empty: kept
        const QVariantMap run = replayedRun("r", 7);
        const QByteArray bytes = replayBytes(run);
        Replay otherRules;
        QVERIFY(Replay::decode(bytes, otherRules));
        otherRules.rules = Replay::CurrentRules + 1;
        QTest::newRow("valid") << base64(bytes) << "";
        QTest::newRow("without one") << "-"
                                     << "";
        QTest::newRow("not base64") << "%%"
                                    << "empty replay";
        QTest::newRow("cut short")
                << base64(bytes.left(bytes.size() - 2)) << "replay's tap count is out of range";
        QTest::newRow("other rules") << base64(otherRules.encode()) << "replay of rules version";
        // Stored, since only playing it through tells, and that is done
        // where it would be shown: never shown as this run.
        QTest::newRow("another run") << base64(replayBytes(replayedRun("r", 7, 2))) << "*";
    }

    // Only a whole replay of today's rules is stored, in the run's
    // settlement, and only one that plays to its run is shown; any other is
    // refused with a warning naming the run, which is stored.
    void settledWithItsRun()
    {
        QFETCH(QString, replay);
        QFETCH(QString, refusal);
        QVariantMap run = replayedRun("r", 7);
        if (replay == "-")
            run.remove(RunSnapshot::Replay);
        else
            run.insert(RunSnapshot::Replay, replay);
        const bool otherRun = refusal == "*";
        if (otherRun)
            refusal.clear();
        if (!refusal.isEmpty()) {
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("^\\[ReplayService\\] replay of run r "
                                                    "refused, the run is stored without it: "
                                                    + QRegularExpression::escape(refusal)));
        }
        QCOMPARE(settle(*core, run), QVariant(true));
        bool kept = replay != "-" && refusal.isEmpty();
        QCOMPARE(count("game_records") * 10 + count("game_replay"), kept ? 11 : 10);
        if (otherRun) {
            kept = false;
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("^\\[ReplayService\\] stored replay of run r "
                                                    "not shown: replay does not play"));
        }

        StoredReplays replays;
        replays.setCore(core.get());
        Replay read;
        QCOMPARE(Replay::fromCode(replays.codeOf("r"), read), kept);
        if (kept)
            QCOMPARE(read.encode(), replayBytes(run));
        GameRecordModel model;
        model.setCore(core.get());
        model.setModeId("endless");
        QCOMPARE(model.data(model.index(0), model.roleNames().key("hasReplay")),
                 QVariant(kept || otherRun));
    }

    // The quit path stores the replay with the run; whoever deletes a run
    // (an earlier build too: the trigger is in the file) takes its replay.
    void quitPathAndDeletion()
    {
        RunKeeper keeper;
        QVERIFY(keeper.storeNow(core.get(), replayedRun("q", 3)));
        QCOMPARE(count("game_replay", "run_id='q'"), 1);
        QVERIFY(sql("DELETE FROM game_records WHERE id='q'").isActive());
        QCOMPARE(count("game_replay"), 0);
    }

    void damagedStoredReplay_data()
    {
        QTest::addColumn<QString>("damage"); // SQL applied to the stored BLOB
        QTest::addColumn<bool>("warns");
        QTest::newRow("empty") << "x''" << false;
        QTest::newRow("cut short") << "substr(replay,1,length(replay)-3)" << true;
        QTest::newRow("a tap's bit flipped") << "substr(replay,1,length(replay)-1)||x'7f'" << true;
        QTest::newRow("oversized") << "replay||zeroblob(300000)" << true;
        QTest::newRow("another format") << "x'09'||substr(replay,2)" << true;
        QTest::newRow("random bytes") << "randomblob(2000)" << true;
        QTest::newRow("text") << "'HX1.abc'" << true;
    }

    // What the table holds is read as untrusted: a damaged replay is never
    // given out, neither for its run nor as the day's best.
    void damagedStoredReplay()
    {
        QFETCH(QString, damage);
        QFETCH(bool, warns);
        QVariantMap run = replayedRun("d", 5);
        run.insert(RunSnapshot::StartedAt, QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
        QCOMPARE(settle(*core, run), QVariant(true));
        StoredReplays replays;
        replays.setCore(core.get());
        QVERIFY(!replays.codeOf("d").isEmpty());
        QCOMPARE(replays.bestOfDay("endless"), replays.codeOf("d"));
        QCOMPARE(replays.bestOfDay("daily"), QString());

        QVERIFY(sql("UPDATE game_replay SET replay=" + damage).isActive());
        for (int i = 0; warns && i < 2; ++i) {
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("^\\[ReplayService\\] stored "
                                                    "replay of run d not shown: "));
        }
        QCOMPARE(replays.codeOf("d") + replays.bestOfDay("endless"), QString());
    }

    // A lock held by another connection past the busy timeout: the run is
    // kept, also in its file (a restart finds it), and stored with its
    // replay after the next settlement that succeeds.
    void unsavedRunStoredLater()
    {
        RunKeeper keeper;
        DatabaseCheck other(storage->databasePath());
        QVERIFY(other.query("BEGIN IMMEDIATE").isActive());
        QTest::ignoreMessage(QtWarningMsg,
                             "[RunKeeper] run first not saved yet, kept to store later");
        QVERIFY(keeper.submit(core.get(), replayedRun("first", 11)));
        QTRY_COMPARE_WITH_TIMEOUT(keeper.unsavedIds(), QStringList("first"), 20000);
        QCOMPARE(RunKeeper().unsavedIds(), QStringList("first"));

        QVERIFY(other.query("ROLLBACK").isActive());
        QSignalSpy saved(&keeper, &RunKeeper::runSaved);
        QVERIFY(keeper.submit(core.get(), runSnapshot("second", 4)));
        QVERIFY(saved.wait(10000));
        QCOMPARE(keeper.unsavedIds() + keeper.savedLaterIds(), QStringList("first"));
        QCOMPARE(count("game_records") * 10 + count("game_replay", "run_id='first'"), 21);
        QVERIFY(!QFile::exists(RunKeeper::filePath()));
        QCOMPARE(RunKeeper().unsavedIds(), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_Replays)
#include "tst_replays.moc"

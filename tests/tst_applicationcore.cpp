#include "app/applicationcore.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QThread>

#include <limits>

namespace {

// Submits one run and waits for its one answer.
QList<QVariant> settle(ApplicationCore &core, const QVariantMap &snapshot)
{
    QSignalSpy settled(&core, &ApplicationCore::gameSettled);
    if (!core.submitGameRecord(snapshot) || !settled.wait(10000) || settled.count() != 1)
        return QList<QVariant>();
    return settled.takeFirst();
}

int storedRuns(const QString &where = QStringLiteral("1"))
{
    return sqlValue(QStringLiteral("SELECT COUNT(*) FROM game_records WHERE ") + where).toInt();
}

} // namespace

class tst_ApplicationCore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setTestApplicationNames(); }

    void counts_data();
    void counts();
    void absentTextsStoreEmptyText();
    void saveGameRecord();
    void refusedRunKeepsRefresh();
    void recordModel();
    void lockAtStartPasses_data();
    void lockAtStartPasses();
    void refusalsDuringShutdown();
    void destructionFinishesQueuedSettlements();
};

// Script front ends send numbers as doubles; the toolkit's own conversion
// wraps or zeroes what does not fit and reports success. Such values refuse
// the run instead of storing a number the player never made.
void tst_ApplicationCore::counts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("stored");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QString score = QStringLiteral("score");
    const QString walls = QStringLiteral("wallCollisionCount");

    QTest::newRow("score 3.7 rounds") << score << QVariant(3.7) << true << 4;
    QTest::newRow("score as text") << score << QVariant(QStringLiteral("17")) << true << 17;
    QTest::newRow("score largest") << score << QVariant(2147483647.0) << true << 2147483647;
    QTest::newRow("score absent") << score << QVariant() << true << 0;
    QTest::newRow("score 2147483648.0") << score << QVariant(2147483648.0) << false << 0;
    QTest::newRow("score 2147483647.6") << score << QVariant(2147483647.6) << false << 0;
    QTest::newRow("score NaN") << score << QVariant(nan) << false << 0;
    QTest::newRow("score abc") << score << QVariant(QStringLiteral("abc")) << false << 0;
    QTest::newRow("score 64-bit") << score << QVariant(qlonglong(4294967301LL)) << false << 0;
    QTest::newRow("walls -2147483649.0") << walls << QVariant(-2147483649.0) << false << 0;
}

void tst_ApplicationCore::counts()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    QFETCH(int, stored);

    TestStorage storage;
    ApplicationCore core;
    QVariantMap snapshot = runSnapshot(QStringLiteral("counted"), 5);
    if (value.isValid())
        snapshot.insert(key, value);
    else
        snapshot.remove(key);

    const QList<QVariant> answer = settle(core, snapshot);
    QCOMPARE(answer.value(0).toString(), QStringLiteral("counted"));
    QCOMPARE(answer.value(1).toBool(), accepted);
    if (!accepted) {
        QVERIFY(answer.value(2).toList().isEmpty());
        QCOMPARE(answer.value(3).toInt(), -1);
        QCOMPARE(storedRuns(), 0);
        return;
    }
    const QString column = key == QLatin1String("score") ? QStringLiteral("score")
                                                         : QStringLiteral("wall_collision_count");
    QCOMPARE(storedRuns(QStringLiteral("%1=%2").arg(column).arg(stored)), 1);
}

void tst_ApplicationCore::absentTextsStoreEmptyText()
{
    TestStorage storage;
    ApplicationCore core;
    const QVariantMap snapshot{{QStringLiteral("id"), QStringLiteral("bare")},
                               {QStringLiteral("endReason"), QStringLiteral("fall")},
                               {QStringLiteral("startedAt"), QVariant()}}; // null reads as empty
    const QList<QVariant> answer = settle(core, snapshot);
    QVERIFY(answer.value(1).toBool());
    QCOMPARE(answer.value(3).toInt(), 0);
    QCOMPARE(storedRuns("mode_id='' AND started_at='' AND ended_at='' AND death_world_y IS NULL "
                        "AND death_world_x IS NULL AND score=0 AND jump_count=0"),
             1);
}

void tst_ApplicationCore::saveGameRecord()
{
    TestStorage storage;
    ApplicationCore core;
    // Without an id each run gets a fresh one; the position stays unknown.
    QVERIFY(core.saveGameRecord(QString(), "endless", 12, "fall", "s", "e"));
    QVERIFY(core.saveGameRecord(QString(), "endless", 3, "fall", "s", "e"));
    QCOMPARE(storedRuns("length(id)=36 AND id NOT LIKE '{%' AND death_world_y IS NULL AND "
                        "death_world_x IS NULL AND jump_count+block_collision_count=0"),
             2);

    QVERIFY(core.saveGameRecord("{given}", "m", 60, "wall", "s", "e", 4.5, -2.0, 9, 3, 1, 2));
    QCOMPARE(sqlValue("SELECT death_world_y||death_world_x||jump_count||max_section_jump_count||"
                      "wall_collision_count||block_collision_count FROM game_records WHERE "
                      "id='{given}'")
                     .toString(),
             QStringLiteral("4.5-2.09312"));
    // Evaluated on the spot: the score unlocked its achievement.
    QVERIFY(sqlValue("SELECT is_unlocked FROM achievements WHERE code='score_50'").toBool());

    // Stored already: true when identical (the death position is not compared),
    // false when it differs, and nothing written either way.
    QVERIFY(core.saveGameRecord("{given}", "m", 60, "wall", "s", "e", QVariant(), QVariant(), 9, 3,
                                1, 2));
    QVERIFY(!core.saveGameRecord("{given}", "m", 60, "wall", "s", "e", 4.5, -2.0, 9, 3, 1, 3));
    QVERIFY(!core.saveGameRecord(QString(), "m", 1, "WALL", "s", "e"));
    QCOMPARE(storedRuns(), 3);
}

// A settlement is one transaction: a refused run (its id stored with other
// values) rolls back alone, and the catalogue refresh before it stays.
void tst_ApplicationCore::refusedRunKeepsRefresh()
{
    TestStorage storage;
    ApplicationCore core;
    QVERIFY(settle(core, runSnapshot(QStringLiteral("same"), 5)).value(1).toBool());
    QVERIFY(sql("UPDATE achievements SET updated_at='old'").isActive());
    QCOMPARE(settle(core, runSnapshot(QStringLiteral("same"), 6)),
             (QList<QVariant>{"same", false, QVariantList(), -1}));
    QCOMPARE(sqlValue("SELECT COUNT(*) FROM achievements WHERE updated_at='old'").toInt(), 0);
    QCOMPARE(storedRuns("score=5"), 1);
    QCOMPARE(storedRuns(), 1);
}

// The paged list of runs: newest first (ties by insertion), a page at a time,
// roles named and valued like the record maps, and fresh after a settlement.
void tst_ApplicationCore::recordModel()
{
    TestStorage storage;
    ApplicationCore core;
    for (int i = 0; i < 5; ++i)
        QVERIFY(core.saveGameRecord(QString::number(i), "endless", i, "wall", "s", "e", 1.5));
    QVERIFY(core.saveGameRecord("elsewhere", "other", 9, "wall", "s", "e"));
    GameRecordModel *model = core.gameRecordModel();
    model->setPageSize(2);
    model->setModeId(QStringLiteral("endless"));
    QCOMPARE(model->rowCount(), 2);
    while (model->canFetchMore(QModelIndex()))
        model->fetchMore(QModelIndex());
    QCOMPARE(model->rowCount(), 5);

    QMap<QString, QVariantMap> maps;
    for (const QVariant &map : core.gameRecords(QStringLiteral("endless")))
        maps.insert(map.toMap().value("componentId").toString(), map.toMap());
    const QHash<int, QByteArray> roles = model->roleNames();
    QCOMPARE(roles.size(), maps.first().size());
    for (int row = 0; row < 5; ++row) {
        const QVariantMap map = maps.value(QString::number(4 - row));
        for (auto role = roles.constBegin(); role != roles.constEnd(); ++role)
            QCOMPARE(model->data(model->index(row), role.key()),
                     map.value(QString::fromLatin1(role.value())));
    }

    QSignalSpy reset(model, &QAbstractItemModel::modelReset);
    QVERIFY(settle(core, runSnapshot(QStringLiteral("new"), 3)).value(1).toBool());
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model->data(model->index(0), roles.key("componentId")), QVariant("new"));
}

void tst_ApplicationCore::lockAtStartPasses_data()
{
    QTest::addColumn<bool>("saveFirst");
    QTest::newRow("saveGameRecord first") << true;
    QTest::newRow("achievements first") << false;
}

// Another connection (another instance finishing its queue, say) holds the
// write lock while the facade is built, so the catalogue import times out.
// Once the lock is gone, the GUI thread's achievement paths work again.
void tst_ApplicationCore::lockAtStartPasses()
{
    QFETCH(bool, saveFirst);
    TestStorage storage;
    delete new ApplicationCore; // the database and its catalogue exist

    const QString holderName = QStringLiteral("holder");
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), holderName);
        holder.setDatabaseName(storage.databasePath());
        QVERIFY(holder.open());
        QVERIFY(QSqlQuery(holder).exec(QStringLiteral("BEGIN IMMEDIATE")));
    }
    QTest::ignoreMessage(QtWarningMsg,
                         "[ApplicationCore] achievements unavailable: initialization failed");
    ApplicationCore core;
    QSqlDatabase::database(holderName, false).close();
    QSqlDatabase::removeDatabase(holderName);

    const auto save = [&core] { return core.saveGameRecord("r1", "endless", 60, "wall", "", ""); };
    if (saveFirst)
        QVERIFY(save());
    QCOMPARE(core.achievements().value(QStringLiteral("ok")), QVariant(true));
    if (!saveFirst)
        QVERIFY(save());
    QVERIFY(sqlValue("SELECT is_unlocked FROM achievements WHERE code='score_50'").toBool());
}

// The only code that can call in while the facade is being destroyed is code
// that runs during its destruction: here a slot on the worker thread's
// finished signal, which fires while the GUI thread waits for that thread.
void tst_ApplicationCore::refusalsDuringShutdown()
{
    TestStorage storage;
    ApplicationCore *core = new ApplicationCore;
    QThread *thread = core->findChild<QThread *>();
    QVERIFY(thread && thread->isRunning());

    bool called = false;
    bool submitted = true;
    bool acknowledged = true;
    connect(
            thread, &QThread::finished, thread,
            [&] {
                called = true;
                submitted = core->submitGameRecord(runSnapshot(QStringLiteral("late"), 1));
                acknowledged = core->acknowledgeSkinRewards(QStringLiteral("late"),
                                                            {QStringLiteral("score_50")});
            },
            Qt::DirectConnection);
    delete core;
    QVERIFY(called);
    QVERIFY(!submitted);
    QVERIFY(!acknowledged);
    QCOMPARE(storedRuns(), 0);
}

void tst_ApplicationCore::destructionFinishesQueuedSettlements()
{
    TestStorage storage;
    ApplicationCore *core = new ApplicationCore;
    int delivered = 0;
    QObject receiver;
    connect(core, &ApplicationCore::gameSettled, &receiver, [&] { ++delivered; });
    connect(core, &ApplicationCore::skinRewardsAcknowledged, &receiver, [&] { ++delivered; });

    const int runs = 20;
    for (int i = 0; i < runs; ++i)
        QVERIFY(core->submitGameRecord(runSnapshot(QStringLiteral("queued-%1").arg(i), i * 10)));
    QVERIFY(core->acknowledgeSkinRewards(QStringLiteral("ack"), {QStringLiteral("score_50")}));
    delete core;

    // Everything queued before the destruction was settled and stored...
    QCOMPARE(storedRuns(QStringLiteral("id LIKE 'queued-%'")), runs);
    QCOMPARE(
            sqlValue("SELECT notification_pending FROM achievements WHERE code='score_50'").toInt(),
            0);
    // ...but no answer reaches anyone.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(delivered, 0);
}

QTEST_GUILESS_MAIN(tst_ApplicationCore)
#include "tst_applicationcore.moc"

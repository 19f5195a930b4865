#include "gamerecord.h"
#include "gamerecorddao.h"
#include "gamerecordservice.h"
#include "testsupport.h"

#include <QSignalSpy>

namespace {

GameRecord *makeRun(QObject *parent, const QString &id, const QString &mode, int score,
                    const QVariant &y = QVariant(), const QVariant &x = QVariant())
{
    auto *record = new GameRecord(parent);
    record->setComponentId(id);
    record->setModeId(mode);
    record->setScore(score);
    record->setEndReason(QStringLiteral("wall"));
    record->setStartedAt(QStringLiteral("s"));
    record->setEndedAt(QStringLiteral("e"));
    record->setDeathWorldY(y);
    record->setDeathWorldX(x);
    return record;
}

} // namespace

class tst_GameRecordDao : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setTestApplicationNames(); }
    void init()
    {
        storage.reset(new TestStorage);
        QVERIFY(DatabaseConnection::initialize());
    }
    void cleanup() { storage.reset(); }

    void propertiesNotifyOnlyOnChange();
    void insertTimestamps();
    void duplicateIdRefused();
    void emptyTextsAreStoredNotNull();
    void nullDeathPosition();
    void highestScore();
    void latestDeathPositionByInsertionOrder();
    void findAllNewestFirst();
    void serviceMaps();

private:
    std::unique_ptr<TestStorage> storage;
};

void tst_GameRecordDao::propertiesNotifyOnlyOnChange()
{
    GameRecord record;
    QSignalSpy score(&record, &GameRecord::scoreChanged);
    QSignalSpy y(&record, &GameRecord::deathWorldYChanged);
    QSignalSpy mode(&record, &GameRecord::modeIdChanged);
    record.setScore(0);
    record.setDeathWorldY(QVariant());
    QCOMPARE(score.count() + y.count(), 0);
    record.setScore(5);
    record.setScore(5);
    record.setDeathWorldY(1.5);
    record.setDeathWorldY(1.5);
    QCOMPARE(score.count(), 1);
    QCOMPARE(y.count(), 1);
    // An empty text differs from none: it is what makes '' land in the table.
    record.setModeId(QLatin1String(""));
    QCOMPARE(mode.count(), 1);
    QVERIFY(!record.modeId().isNull());
    QCOMPARE(record.metaObject()->propertyCount() - QObject::staticMetaObject.propertyCount(), 10);
}

void tst_GameRecordDao::insertTimestamps()
{
    GameRecordDao dao;
    GameRecord *fresh = makeRun(this, "a", "endless", 1);
    QVERIFY(dao.insert(fresh));
    QVERIFY(fresh->createdAt().isNull());
    const QString created = sqlValue("SELECT created_at FROM game_records WHERE id='a'").toString();
    QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$")
                     .match(created)
                     .hasMatch(),
             qPrintable(created));

    GameRecord *given = makeRun(this, "b", "endless", 1);
    given->setCreatedAt(QStringLiteral("yesterday"));
    QVERIFY(dao.insert(given));
    QCOMPARE(sqlValue("SELECT created_at FROM game_records WHERE id='b'").toString(),
             QStringLiteral("yesterday"));
    QCOMPARE(given->createdAt(), QStringLiteral("yesterday"));
}

void tst_GameRecordDao::duplicateIdRefused()
{
    GameRecordDao dao;
    QVERIFY(dao.insert(makeRun(this, "a", "endless", 10)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[GameRecordDao\\] insert failed:"));
    QVERIFY(!dao.insert(makeRun(this, "a", "other", 99)));
    QCOMPARE(sqlValue("SELECT score FROM game_records WHERE id='a'").toInt(), 10);
    QCOMPARE(sqlValue("SELECT COUNT(*) FROM game_records").toInt(), 1);

    GameRecord *collisions = makeRun(this, "c", "endless", 1);
    collisions->setWallCollisionCount(-1);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[GameRecordDao\\] insert failed:"));
    QVERIFY(!dao.insert(collisions));
    QVERIFY(!dao.insert(nullptr));
}

void tst_GameRecordDao::emptyTextsAreStoredNotNull()
{
    GameRecordDao dao;
    GameRecord record;
    record.setComponentId(QStringLiteral("e"));
    record.setModeId(QLatin1String(""));
    record.setEndReason(QStringLiteral("fall"));
    record.setStartedAt(QLatin1String(""));
    record.setEndedAt(QLatin1String(""));
    QVERIFY(dao.insert(&record));
    QCOMPARE(sqlValue("SELECT started_at || '|' || mode_id FROM game_records WHERE id='e'")
                     .toString(),
             QStringLiteral("|"));

    GameRecord unset;
    unset.setComponentId(QStringLiteral("n"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[GameRecordDao\\] insert failed:"));
    QVERIFY(!dao.insert(&unset));
}

void tst_GameRecordDao::nullDeathPosition()
{
    GameRecordDao dao;
    QVERIFY(dao.insert(makeRun(this, "a", "endless", 1)));
    QCOMPARE(sqlValue("SELECT COUNT(*) FROM game_records WHERE death_world_y IS NULL AND "
                      "death_world_x IS NULL")
                     .toInt(),
             1);
    QVERIFY(!dao.latestDeathPosition("endless").isValid());
    GameRecord *back = dao.findById("a");
    QVERIFY(back);
    QVERIFY(back->deathWorldY().isNull());
    QCOMPARE(back->parent(), &dao);
    QVERIFY(!dao.findById("missing"));
}

void tst_GameRecordDao::highestScore()
{
    GameRecordDao dao;
    QCOMPARE(dao.highestScore(QString()), 0);
    QCOMPARE(dao.highestScore("endless"), 0);
    QVERIFY(dao.insert(makeRun(this, "a", "endless", 30)));
    QVERIFY(dao.insert(makeRun(this, "b", "endless", -4)));
    QVERIFY(dao.insert(makeRun(this, "c", "sprint", 70)));
    QCOMPARE(dao.highestScore("endless"), 30);
    QCOMPARE(dao.highestScore("sprint"), 70);
    QCOMPARE(dao.highestScore(QString()), 70);
    QCOMPARE(dao.highestScore("nothing"), 0);

    QVERIFY(sql("DROP TABLE game_records").isActive());
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^\\[GameRecordDao\\] highest score failed:"));
    QCOMPARE(dao.highestScore("endless"), -1);
}

void tst_GameRecordDao::latestDeathPositionByInsertionOrder()
{
    GameRecordDao dao;
    GameRecord *newer = makeRun(this, "a", "endless", 1, 10.5, -2.0);
    newer->setCreatedAt(QStringLiteral("2030-01-01T00:00:00Z"));
    QVERIFY(dao.insert(newer));
    QVERIFY(dao.insert(makeRun(this, "b", "endless", 1, 3.25, 4.0)));
    QVERIFY(dao.insert(makeRun(this, "c", "other", 1, 99.0, 99.0)));
    // Inserted last, though its created_at is the oldest.
    const QVariantMap position = dao.latestDeathPosition("endless").toMap();
    QCOMPARE(position.value("y").toDouble(), 3.25);
    QCOMPARE(position.value("x").toDouble(), 4.0);

    // Half a position is no position; nor do older runs stand in.
    QVERIFY(dao.insert(makeRun(this, "d", "endless", 1, 1.0, QVariant())));
    QVERIFY(!dao.latestDeathPosition("endless").isValid());
    // The empty mode only looks at runs stored under the empty mode.
    QVERIFY(!dao.latestDeathPosition(QString()).isValid());
}

void tst_GameRecordDao::findAllNewestFirst()
{
    GameRecordDao dao;
    const QStringList created
            = {"2024-01-02T00:00:00Z", "2024-01-03T00:00:00Z", "2024-01-01T00:00:00Z"};
    for (int i = 0; i < created.size(); ++i) {
        GameRecord *run = makeRun(this, QString::number(i), i == 2 ? "other" : "endless", i);
        run->setCreatedAt(created.at(i));
        QVERIFY(dao.insert(run));
    }
    QStringList order;
    for (GameRecord *run : dao.findAll(QString()))
        order << run->componentId();
    QCOMPARE(order, QStringList({"1", "0", "2"}));
    QCOMPARE(dao.findAll("endless").size(), 2);
    QVERIFY(dao.findAll("none").isEmpty());
}


void tst_GameRecordDao::serviceMaps()
{
    GameRecordDao dao;
    GameRecordService service(&dao);
    GameRecord *run = makeRun(this, "a", "endless", 12, 1.5, 2.5);
    run->setJumpCount(3);
    run->setMaxSectionJumpCount(2);
    run->setWallCollisionCount(1);
    QVERIFY(service.saveGameRecord(run));
    QVERIFY(service.saveGameRecord(makeRun(this, "b", "other", 5)));

    const QVariantList all = service.gameRecords(QString());
    QCOMPARE(all.size(), 2);
    const QVariantList endless = service.gameRecords("endless");
    QCOMPARE(endless.size(), 1);
    const QVariantMap map = endless.first().toMap();
    QCOMPARE(map.keys().size(), 14);
    QCOMPARE(map.value("componentId").toString(), QStringLiteral("a"));
    QCOMPARE(map.value("score").toInt(), 12);
    QCOMPARE(map.value("jumpCount").toInt(), 3);
    QCOMPARE(map.value("maxSectionJumpCount").toInt(), 2);
    QCOMPARE(map.value("wallCollisionCount").toInt(), 1);
    QCOMPARE(map.value("deathWorldX").toDouble(), 2.5);
    QVERIFY(service.gameRecords("other").first().toMap().value("deathWorldY").isNull());
    QVERIFY(service.gameRecords("none").isEmpty());
    QCOMPARE(service.highestScore(QString()), 12);

    // Lists do not pile up objects under the long-lived DAO.
    for (int i = 0; i < 5; ++i)
        service.gameRecords(QString());
    QCOMPARE(dao.children().size(), 0);
}



QTEST_GUILESS_MAIN(tst_GameRecordDao)
#include "tst_gamerecorddao.moc"

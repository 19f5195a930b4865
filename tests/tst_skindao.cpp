#include "skin.h"
#include "skindao.h"
#include "skinservice.h"
#include "testsupport.h"

#include <QSignalSpy>

class tst_SkinDao : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setTestApplicationNames(); }
    void init();
    void cleanup() { storage.reset(); }

    void insertAndRead();
    void select_data();
    void select();
    void selectIsAtomicUnderOpenTransaction();
    void unlockThenSelect();
    void serviceMaps();

private:
    QString selection()
    {
        return sqlValue("SELECT group_concat(skin_id) FROM skins WHERE is_selected=1").toString();
    }
    QString stamps() { return sqlValue("SELECT group_concat(updated_at) FROM skins").toString(); }
    std::unique_ptr<TestStorage> storage;
};

void tst_SkinDao::init()
{
    storage.reset(new TestStorage);
    QVERIFY(DatabaseConnection::initialize());
    // clown (locked), default (unlocked, selected), money (unlocked)
    QVERIFY(sql("INSERT INTO skins VALUES ('skin_clown','clown','clown','p',0,0,'t0','t0'),"
                "('skin_default','default','default','p',1,1,'t0','t0'),"
                "('skin_money','money','money','p',1,0,'t0','t0')")
                    .isActive());
}

void tst_SkinDao::insertAndRead()
{
    SkinDao dao;
    Skin skin;
    skin.setComponentId("skin_zebra");
    skin.setSkinId("zebra");
    skin.setSkinName("Zebra");
    skin.setSkinPath("qrc:/z.png");
    skin.setUnlocked(true);
    QVERIFY(dao.insert(&skin));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[SkinDao\\] insert failed:"));
    QVERIFY(!dao.insert(&skin));

    Skin *back = dao.findBySkinId("zebra");
    QVERIFY(back);
    QCOMPARE(back->parent(), &dao);
    QVERIFY(back->unlocked());
    QVERIFY(!back->selected());
    QVERIFY(back->createdAt().endsWith('Z'));
    QVERIFY(!dao.findBySkinId("nope"));

    // Order by skin_id text; a stored 2 still reads as unlocked.
    QVERIFY(sql("UPDATE skins SET is_unlocked=2 WHERE skin_id='clown'").isActive());
    const QList<Skin *> all = dao.findAll();
    QCOMPARE(all.size(), 4);
    QCOMPARE(all.first()->skinId(), QStringLiteral("clown"));
    QVERIFY(all.first()->unlocked());
    QCOMPARE(all.last()->skinId(), QStringLiteral("zebra"));

    back->setSkinName("Renamed");
    QVERIFY(dao.update(back));
    QCOMPARE(sqlValue("SELECT skin_name FROM skins WHERE skin_id='zebra'").toString(),
             QStringLiteral("Renamed"));
}

void tst_SkinDao::select_data()
{
    QTest::addColumn<QString>("skinId");
    QTest::addColumn<bool>("selected");
    QTest::newRow("unlocked") << "money" << true;
    QTest::newRow("already selected") << "default" << true;
    QTest::newRow("locked") << "clown" << false;
    QTest::newRow("missing") << "pirate" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_SkinDao::select()
{
    QFETCH(QString, skinId);
    QFETCH(bool, selected);
    SkinDao dao;
    QCOMPARE(dao.select(skinId), selected);
    if (selected) {
        QCOMPARE(selection(), skinId);
        // SQLite's own timestamp form on every row.
        QCOMPARE(sqlValue("SELECT COUNT(DISTINCT updated_at) FROM skins").toInt(), 1);
        QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$")
                        .match(stamps().section(',', 0, 0))
                        .hasMatch());
    } else {
        QCOMPARE(selection(), QStringLiteral("default"));
        QCOMPARE(stamps(), QStringLiteral("t0,t0,t0"));
    }
    // No transaction is left open.
    QVERIFY(dao.select("money"));
}

void tst_SkinDao::selectIsAtomicUnderOpenTransaction()
{
    SkinDao dao;
    QSqlDatabase db = DatabaseConnection::database();
    QVERIFY(DatabaseConnection::beginWriteTransaction(db));
    QVERIFY(!dao.select("money"));
    QVERIFY(db.rollback());
    QCOMPARE(selection(), QStringLiteral("default"));
}

void tst_SkinDao::unlockThenSelect()
{
    SkinDao dao;
    QVERIFY(!dao.select("clown"));
    QVERIFY(dao.setUnlocked("clown", true));
    QVERIFY(dao.setUnlocked("clown", true));
    QVERIFY(!dao.setUnlocked("pirate", true));
    QVERIFY(dao.select("clown"));
    QCOMPARE(selection(), QStringLiteral("clown"));
    // Locking the selected skin leaves it selected.
    QVERIFY(dao.setUnlocked("clown", false));
    QCOMPARE(selection(), QStringLiteral("clown"));
}

void tst_SkinDao::serviceMaps()
{
    SkinDao dao;
    SkinService service(&dao);
    const QVariantList skins = service.skins();
    QCOMPARE(skins.size(), 3);
    const QVariantMap first = skins.first().toMap();
    QCOMPARE(first.keys().size(), 8);
    QCOMPARE(first.value("componentId").toString(), QStringLiteral("skin_clown"));
    QCOMPARE(first.value("skinId").toString(), QStringLiteral("clown"));
    QCOMPARE(first.value("unlocked").type(), QVariant::Bool);
    QCOMPARE(dao.children().size(), 0);
    QVERIFY(!service.selectSkin("clown"));
    QVERIFY(service.unlockSkin("clown"));
    QVERIFY(service.selectSkin("clown"));
}


QTEST_GUILESS_MAIN(tst_SkinDao)
#include "tst_skindao.moc"

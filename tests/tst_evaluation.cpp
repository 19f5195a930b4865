#include "app/applicationcore.h"
#include "testsupport.h"

namespace {

int value(const char *code, const char *column = "progress_value")
{
    return sqlText(QStringLiteral("SELECT %1 FROM achievements WHERE code=?").arg(column),
                   {QLatin1String(code)})
            .toInt();
}

} // namespace

// Runs settled on the spot through the facade, and what the achievements
// make of them.
class tst_Evaluation : public QObject
{
    Q_OBJECT
private slots:
    // The facade of the test before goes first: it holds that test's database.
    void init()
    {
        core.reset();
        storage.reset(new TestStorage);
        core.reset(new ApplicationCore);
    }

    void refusedRunWritesNothing_data()
    {
        QTest::addColumn<QString>("run");
        QTest::newRow("negative collisions") << "5:wall:endless:-1";
        QTest::newRow("end reason case") << "5:Wall";
        // Stored already: identical is success and counts once; differing is refused.
        QTest::newRow("stored with another score") << "31:wall:endless:0:0:same";
        QTest::newRow("stored with another reason") << "30:fall:endless:0:0:same";
    }

    void refusedRunWritesNothing()
    {
        QFETCH(QString, run);
        QVERIFY(record("30:wall:endless:0:0:same") && record("30:wall:endless:0:0:same"));
        const QString state("SELECT (SELECT COUNT(*) FROM game_records)||group_concat(updated_at||"
                            "progress_value) FROM achievements");
        const QString before = sqlText(state);
        QVERIFY(!record(run));
        QCOMPARE(sqlText(state), before);
        QCOMPARE(value("every_point_counts"), 30);
    }

    // The achievements that look at the last runs, in the order they were stored.
    void runsInOrder_data()
    {
        // "run run ... = practice_more after each run, then clown_moment"
        QTest::addColumn<QString>("script");
        QTest::newRow("five low deaths") << "3 10 0 7 9 = 1 2 3 4 5 0";
        QTest::newRow("eleven resets") << "3 10 0 7 11 5 = 1 2 3 4 0 1 0";
        QTest::newRow("abandoned resets") << "3 10 1:abandoned 2 = 1 2 0 1 0";
        QTest::newRow("drop 50 to 0") << "50 0:fall = 0 1 1";
        QTest::newRow("drop from 49") << "49 0 = 0 1 0";
        QTest::newRow("drop to 1") << "60 1 = 0 1 0";
        QTest::newRow("drop from abandoned") << "60:abandoned 0 = 0 1 0";
        QTest::newRow("drop to abandoned") << "60 0:abandoned = 0 0 0";
        QTest::newRow("drop across modes") << "60:wall:other 0 = 0 1 0";
        QTest::newRow("by insertion order") << "10 60 0 = 1 0 1 1";
    }

    void runsInOrder()
    {
        QFETCH(QString, script);
        QStringList seen;
        for (const QString &run : script.section(" = ", 0, 0).split(' ')) {
            QVERIFY(record(run));
            seen << QString::number(value("practice_more"));
        }
        seen << QString::number(value("clown_moment"));
        QCOMPARE(seen.join(' '), script.section(" = ", 1));
        QCOMPARE(value("practice_more", "is_unlocked") == 1, seen.contains("5"));
        QCOMPARE(value("clown_moment", "is_unlocked") == 1, seen.last() == "1");
    }

    // Totals over the mode of the run: a run in a new mode lowers the progress;
    // once unlocked it stays.
    void totalsPerModeCanLowerProgress()
    {
        QStringList seen;
        for (const char *run : {"0:wall:A:60:60", "0:wall:B:10:1", "0:wall:A:15:15", "0:wall:B"})
            seen << QString::number(record(run) ? value("headstrong") : -1);
        QCOMPARE(seen.join(' '), QStringLiteral("120 11 150 150"));
        QVERIFY(value("headstrong", "is_unlocked"));
    }

    // A stored row without its parameters never moves, whatever the runs.
    void missingParametersNeverMove()
    {
        QVERIFY(sql("UPDATE achievements SET parameters='{}', progress_value=1 WHERE code IN "
                    "('practice_more','clown_moment')")
                        .isActive());
        QVERIFY(record("60") && record("0") && record("50:abandoned"));
        QCOMPARE(value("practice_more") + value("clown_moment"), 2);
    }

    // Achievements that cannot be read take the run with them. (An unlock
    // that fails does too: tst_applicationcore.)
    void unreadableAchievementsRollBackRun()
    {
        QVERIFY(sql("UPDATE achievements SET parameters='[]' WHERE code='headstrong'").isActive());
        QTest::ignoreMessage(QtWarningMsg, "[AchievementDao] invalid parameters: \"headstrong\"");
        QTest::ignoreMessage(QtWarningMsg, "[AchievementService] game settlement rolled back");
        QVERIFY(!record("30"));
        QCOMPARE(value("score_50", "(SELECT COUNT(*) FROM game_records)"), 0);
    }

    void achievementList()
    {
        QVERIFY(record("55"));
        QVERIFY(sql("UPDATE achievements SET is_enabled=0 WHERE code='score_200'").isActive());
        const QVariantList items = core->achievements().value("items").toList();
        QStringList codes;
        for (const QVariant &item : items)
            codes << item.toMap().value("code").toString();
        // Disabled ones left out, hidden conditions listed too, in catalogue order.
        QCOMPARE(codes.join(','),
                 QStringLiteral("score_50,score_500,headstrong,every_point_counts,"
                                "stay_in_place,practice_more,clown_moment"));
        const QVariantMap first = items.first().toMap();
        QVERIFY(first.value("unlocked").toBool() && first.value("notificationPending").toBool());
        QVERIFY(first.value("unlockedAt").toString().endsWith('Z'));

        QVERIFY(sql("UPDATE achievements SET parameters='5' WHERE code='headstrong'").isActive());
        QTest::ignoreMessage(QtWarningMsg, "[AchievementDao] invalid parameters: \"headstrong\"");
        QCOMPARE(core->achievements(), (QVariantMap{{"ok", false}, {"items", QVariantList()}}));
    }

private:
    // A run as "score[:endReason[:mode[:walls[:blocks[:id]]]]]".
    bool record(const QString &run)
    {
        const QStringList r = run.split(':');
        return core->saveGameRecord(r.value(5, QString::number(++counter)), r.value(2, "endless"),
                                    r.at(0).toInt(), r.value(1, "wall"), "s", "e", QVariant(),
                                    QVariant(), 0, 0, r.value(3).toInt(), r.value(4).toInt());
    }

    std::unique_ptr<TestStorage> storage;
    std::unique_ptr<ApplicationCore> core;
    int counter = 0;
};

QTEST_GUILESS_MAIN(tst_Evaluation)
#include "tst_evaluation.moc"

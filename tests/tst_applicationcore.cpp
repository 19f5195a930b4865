#include "app/achievementlistmodel.h"
#include "app/applicationcore.h"
#include "app/appsettings.h"
#include "app/bestscores.h"
#include "app/frontendsettings.h"
#include "app/gamerecordmodel.h"
#include "app/translationcandidates.h"
#include "app/wornskin.h"
#include "testsupport.h"

#include <QSettings>
#include <QSignalSpy>
#include <QThread>

namespace {

// Submits one run and waits for its one answer: whether it was stored.
QVariant settle(ApplicationCore &core, const QVariantMap &snapshot)
{
    QSignalSpy settled(&core, &ApplicationCore::gameSettled);
    if (!core.submitGameRecord(snapshot) || !settled.wait(10000) || settled.count() != 1)
        return QVariant();
    return settled.first().value(1);
}

int storedRuns(const QString &where = QStringLiteral("1"))
{
    return sqlText(QStringLiteral("SELECT COUNT(*) FROM game_records WHERE ") + where).toInt();
}

// A column of an achievement's row, its progress by default.
int value(const char *code, const char *column = "progress_value")
{
    return sqlText(QStringLiteral("SELECT %1 FROM achievements WHERE code=?").arg(column),
                   {QLatin1String(code)})
            .toInt();
}

} // namespace

// The facade: saving and settling runs, what the achievements make of them,
// the list model, a locked database at start, destruction; and the
// application's settings and the translation files it tries. Every test has
// a configuration directory and a facade of its own.
class tst_ApplicationCore : public QObject
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

    // The last facade stops its worker while the application object still
    // exists: after the test runner returns, the thread would stop and log
    // into a message handler that is gone.
    void cleanupTestCase()
    {
        core.reset();
        storage.reset();
    }

    void saveGameRecord()
    {
        ApplicationCore &core = *this->core;
        // Without an id each run gets a fresh, unbraced one.
        QVERIFY(core.saveGameRecord(QString(), "endless", 12, "fall", "s", "e"));
        QVERIFY(core.saveGameRecord(QString(), "endless", 3, "fall", "s", "e"));
        QCOMPARE(storedRuns("length(id)=36 AND id NOT LIKE '{%' AND death_world_y IS NULL"), 2);

        QVERIFY(core.saveGameRecord("{given}", "m", 60, "wall", "s", "e", 4.5, -2.0, 9, 3, 1, 2));
        QCOMPARE(storedRuns("death_world_y||death_world_x||jump_count||max_section_jump_count||"
                            "wall_collision_count||block_collision_count='4.5-2.09312'"),
                 1);
        // Stored already and different: refused, nothing written. A settlement
        // is one transaction: the refused run rolls back alone, and the catalogue
        // refresh before it stays.
        QVERIFY(!core.saveGameRecord("{given}", "m", 60, "wall", "s", "e", 4.5, -2.0, 9, 3, 1, 3));
        QVERIFY(sql("UPDATE achievements SET updated_at='old'").isActive());
        QCOMPARE(settle(core, runSnapshot("{given}", 6)), QVariant(false));
        QCOMPARE(sqlText("SELECT COUNT(*) FROM achievements WHERE updated_at='old'"), QString("0"));
        // Text that is a number counts; text that is none refuses the run rather
        // than storing the toolkit's 0 for it (numbers out of range: tst_badinput).
        QCOMPARE(settle(core, runSnapshot("text", "17")), QVariant(true));
        QCOMPARE(settle(core, runSnapshot("no number", "abc")), QVariant(false));
        QCOMPARE(storedRuns("id='text' AND score=17"), 1);
        // A run that fails after it was written is taken back out alone.
        QVERIFY(sql("CREATE TRIGGER refuse BEFORE UPDATE ON achievements WHEN OLD.code='score_200' "
                    "AND NEW.progress_value=200 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                        .isActive());
        QTest::ignoreMessage(QtWarningMsg, "[AchievementService] game settlement rolled back");
        QCOMPARE(settle(core, runSnapshot("taken back", 250)), QVariant(false));
        QCOMPARE(storedRuns(), 4);
        // A run settled again writes nothing, yet its answer rests on reading
        // the achievements back; a row that cannot be read (one the catalogue
        // does not refresh) fails it, rewards waiting or not.
        QVERIFY(sql("UPDATE achievements SET notification_pending=0").isActive());
        QVERIFY(sql("INSERT INTO achievements (id,created_at,updated_at,code,condition_type,"
                    "target_value,parameters) VALUES ('x','t','t','foreign',1,1,'[]')")
                        .isActive());
        QTest::ignoreMessage(QtWarningMsg, "[AchievementDao] invalid parameters: \"foreign\"");
        QCOMPARE(settle(core, runSnapshot("text", "17")), QVariant(false));
    }

    // The paged list of runs: newest first, a page at a time, roles named and
    // valued like the record maps, and fresh after a settlement.
    void recordModel()
    {
        ApplicationCore &core = *this->core;
        for (int i = 0; i < 3; ++i)
            QVERIFY(core.saveGameRecord(QString::number(i), "endless", i, "wall", "s", "e", 1.5));
        QVERIFY(core.saveGameRecord("elsewhere", "other", 9, "wall", "s", "e"));
        QScopedPointer<GameRecordModel> owned(new GameRecordModel);
        GameRecordModel *model = owned.data();
        model->setCore(&core);
        model->setPageSize(2);
        model->setModeId(QStringLiteral("endless"));
        QCOMPARE(model->rowCount(), 2);
        model->fetchMore(QModelIndex());
        QCOMPARE(model->rowCount(), 3);
        QVERIFY(!model->canFetchMore(QModelIndex()));

        const QVariantMap last = core.gameRecords(QStringLiteral("endless")).value(2).toMap();
        QHash<int, QByteArray> roles = model->roleNames();
        QCOMPARE(model->data(model->index(2), roles.key("hasReplay")), QVariant(false));
        QHash<int, QByteArray> recordRoles = roles;
        recordRoles.remove(roles.key("hasReplay"));
        QCOMPARE(recordRoles.size(), last.size());
        for (auto role = recordRoles.constBegin(); role != recordRoles.constEnd(); ++role)
            QCOMPARE(model->data(model->index(2), role.key()), last.value(role.value()));

        QSignalSpy reset(model, &QAbstractItemModel::modelReset);
        QCOMPARE(settle(core, runSnapshot(QStringLiteral("new"), 3)), QVariant(true));
        QTRY_COMPARE(reset.count(), 1);
        QCOMPARE(model->data(model->index(0), roles.key("componentId")), QVariant("new"));
        QVERIFY(core.saveGameRecord("saved", "endless", 1, "wall", "s", "e"));
        QCOMPARE(reset.count(), 2);
        QCOMPARE(model->data(model->index(0), roles.key("componentId")), QVariant("saved"));
    }

    // The front end's state lives in types of its own: the facade's
    // meta-object keeps only QObject's objectName.
    void facadeHasNoProperties()
    {
        QCOMPARE(ApplicationCore::staticMetaObject.propertyCount(),
                 QObject::staticMetaObject.propertyCount());
    }

    void stateFollowsStoredRuns_data()
    {
        QTest::addColumn<bool>("settled");
        QTest::newRow("settled on the worker") << true;
        QTest::newRow("saved on the GUI thread") << false;
    }
    // The best score and the achievement list re-read themselves after a run
    // is stored, by either path, without anyone asking.
    void stateFollowsStoredRuns()
    {
        QFETCH(bool, settled);
        ApplicationCore &core = *this->core;
        BestScores scores;
        scores.setCore(&core);
        AchievementListModel achievements;
        achievements.setCore(&core);
        QCOMPARE(scores.endless(), 0);
        QVERIFY(achievements.available());
        QSignalSpy scoresChanged(&scores, &BestScores::changed);
        QSignalSpy listReset(&achievements, &QAbstractItemModel::modelReset);

        if (settled)
            QCOMPARE(settle(core, runSnapshot("run", 60)), QVariant(true));
        else
            QVERIFY(core.saveGameRecord("run", "endless", 60, "wall", "s", "e"));
        QTRY_VERIFY(scoresChanged.count() > 0);
        QCOMPARE(scores.endless(), 60);
        QCOMPARE(scores.daily(), 0);
        QCOMPARE(scores.of(QString()), 60);
        QVERIFY(listReset.count() > 0);
        bool unlocked = false;
        for (int row = 0; row < achievements.rowCount(); ++row) {
            const QModelIndex index = achievements.index(row);
            const QVariantMap item
                    = achievements.data(index, AchievementListModel::AchievementRole).toMap();
            if (item.value("code") == "score_50") {
                unlocked = item.value("unlocked").toBool();
                QCOMPARE(achievements.data(index, AchievementListModel::RewardSkinPathRole),
                         QVariant("qrc:/assets/skins/confident.png"));
            }
        }
        QVERIFY(unlocked);
    }

    // A skin worn through one state object shows in every other at once; a
    // locked one is refused and changes nothing.
    void wornSkin()
    {
        ApplicationCore &core = *this->core;
        WornSkin chooser;
        chooser.setCore(&core);
        WornSkin other;
        other.setCore(&core);
        QCOMPARE(other.skinId(), QString("default"));
        QSignalSpy changed(&other, &WornSkin::changed);
        QVERIFY(!chooser.wear("clown"));
        QCOMPARE(changed.count(), 0);
        QVERIFY(core.unlockSkin("clown"));
        QVERIFY(chooser.wear("clown"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(other.skinId(), QString("clown"));
        QCOMPARE(other.imageUrl(), QUrl("qrc:/assets/skins/clown.png"));
    }

    void frontEndSettings_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QVariant>("initial");
        QTest::addColumn<QVariant>("chosen");
        QTest::newRow("language") << QByteArray("languageIndex") << QVariant(2) << QVariant(4);
        QTest::newRow("sound") << QByteArray("soundEnabled") << QVariant(true) << QVariant(false);
        QTest::newRow("volume") << QByteArray("soundVolume") << QVariant(0.8) << QVariant(0.25);
        QTest::newRow("vibration")
                << QByteArray("vibrationEnabled") << QVariant(true) << QVariant(false);
        QTest::newRow("motion") << QByteArray("reducedMotion") << QVariant(false) << QVariant(true);
    }
    // Each setting starts at its default, holds its type, tells every reader
    // at once and is there again for the facade of the next start.
    void frontEndSettings()
    {
        QFETCH(QByteArray, name);
        QFETCH(QVariant, initial);
        QFETCH(QVariant, chosen);
        FrontEndSettings writer;
        writer.setCore(core.get());
        FrontEndSettings reader;
        reader.setCore(core.get());
        QCOMPARE(reader.property(name), initial);
        QSignalSpy changed(&reader, &FrontEndSettings::changed);
        QVERIFY(writer.setProperty(name, chosen));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(reader.property(name), chosen);

        core.reset();
        core.reset(new ApplicationCore);
        FrontEndSettings later;
        later.setCore(core.get());
        QCOMPARE(later.property(name), chosen);
        QCOMPARE(later.property(name).userType(), initial.userType());
    }

    void lockAtStartPasses_data()
    {
        QTest::addColumn<bool>("saveFirst");
        QTest::newRow("saveGameRecord first") << true;
        QTest::newRow("achievements first") << false;
    }
    // Another connection (another instance finishing its queue, say) holds the
    // write lock while the facade is built, so the catalogue import times out.
    // Once the lock is gone, whichever GUI-thread path comes first retries it.
    void lockAtStartPasses()
    {
        QFETCH(bool, saveFirst);
        // The database and its catalogue exist.
        std::unique_ptr<DatabaseCheck> holder(new DatabaseCheck(storage->databasePath()));
        QVERIFY(holder->texts("BEGIN IMMEDIATE").isEmpty());
        QTest::ignoreMessage(QtWarningMsg,
                             "[ApplicationCore] achievements unavailable: initialization failed");
        ApplicationCore core;
        holder.reset();

        QVERIFY(!saveFirst || core.saveGameRecord("r1", "endless", 60, "wall", "", ""));
        QCOMPARE(core.achievements().value(QStringLiteral("ok")), QVariant(true));
        QVERIFY(saveFirst || core.saveGameRecord("r1", "endless", 60, "wall", "", ""));
        QVERIFY(sqlText("SELECT is_unlocked FROM achievements WHERE code='score_50'") == "1");
    }

    // Everything queued before the destruction is settled and stored, but no
    // answer reaches anyone. The only code that can call in meanwhile runs during
    // the destruction: here a slot on the worker thread's finished signal, which
    // fires while the GUI thread waits for that thread; it is refused.
    void destructionSettlesQueueAndRefusesLateCalls()
    {
        ApplicationCore *core = new ApplicationCore;
        QSignalSpy settled(core, &ApplicationCore::gameSettled),
                acknowledged(core, &ApplicationCore::skinRewardsAcknowledged);
        QThread *thread = core->findChild<QThread *>();
        QVERIFY(thread && thread->isRunning());
        int lateAccepted = -1;
        connect(
                thread, &QThread::finished, thread,
                [&] {
                    lateAccepted = core->submitGameRecord(runSnapshot("late", 1))
                            + core->acknowledgeSkinRewards("late", {QStringLiteral("score_500")});
                },
                Qt::DirectConnection);

        for (int i = 0; i < 20; ++i)
            QVERIFY(core->submitGameRecord(runSnapshot(QString::number(i), i * 10)));
        QVERIFY(core->acknowledgeSkinRewards(QStringLiteral("ack"), {QStringLiteral("score_50")}));
        delete core;

        QCOMPARE(lateAccepted, 0);
        QCOMPARE(storedRuns(), 20);
        QCOMPARE(sqlText("SELECT notification_pending FROM achievements WHERE code='score_50'"),
                 QStringLiteral("0"));
        QCoreApplication::processEvents();
        QCOMPARE(settled.count() + acknowledged.count(), 0);
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

    // Settings: what a value in the file (which the toolkit reads back as
    // text) becomes for each type of default; how text converts is the toolkit's business.
    void conversion()
    {
        QSettings file(AppSettings::filePath(), QSettings::NativeFormat);
        const QVariantList storedAndDefault{"3", 0, "false", true, "42", "x"};
        QStringList seen; // type and value
        for (int i = 0; i < storedAndDefault.size(); i += 2) {
            file.setValue("front/key", storedAndDefault.at(i));
            file.sync();
            const QVariant value = AppSettings().value("front", "key", storedAndDefault.at(i + 1));
            seen << QString(value.typeName()) + ' ' + value.toString();
        }
        QCOMPARE(seen.join(", "), QStringLiteral("int 3, bool false, QString 42"));
    }

    // A writer killed between creating the settings lock and writing its id
    // into it leaves a lock that names no holder. Left to QSettings, the next
    // write waits until that lock is 30 s old, with the GUI thread frozen.
    void abandonedLockCleared()
    {
        AppSettings settings;
        QFile lock(AppSettings::filePath() + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.close();

        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^\\[AppSettings\\] removed an abandoned lock:"));
        settings.setValue("APP_SETTING", "LANGUAGE", 5);
        QVERIFY(!lock.exists());
        // Read back from the file, as the next start reads it; a write without a
        // group or key is refused.
        QTest::ignoreMessage(QtWarningMsg, "[AppSettings] group and key must not be empty");
        settings.setValue(QString(), "LANGUAGE", 4);
        QCOMPARE(AppSettings().value("APP_SETTING", "LANGUAGE", 0), QVariant(5));
        QCOMPARE(QSettings(AppSettings::filePath(), QSettings::NativeFormat).allKeys(),
                 QStringList("APP_SETTING/LANGUAGE"));
    }

    // The translation files to try, "index locale: candidates": a chosen
    // language ignores the locale; past the list only the fallback; index 0
    // is the system locale, then its language's own file.
    void translationCandidates()
    {
        for (const QString row :
             {"7 de_AT: ru en_US", "8 de_AT: en_US", "-1 de_AT: en_US", "0 de_AT: de_AT de en_US",
              "0 zh_TW: zh_TW zh_CN en_US", "0 en_GB: en_GB en_US en_US", "0 es: es es en_US",
              "0 pt_BR: pt_BR en_US"}) {
            const QStringList call = row.section(':', 0, 0).split(' ');
            const QStringList files
                    = TranslationCandidates::forIndex(call.at(0).toInt(), call.at(1));
            QCOMPARE(call.join(' ') + ": " + files.join(' '), row);
        }
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

QTEST_GUILESS_MAIN(tst_ApplicationCore)
#include "tst_applicationcore.moc"

// Tens of thousands of generated snapshots with arbitrary keys and value
// types, and hostile texts for every synchronous call. Nothing here works out
// which runs should settle; the database is held to what every answer
// claims: a settled run is stored as it was given (a count rounded at most
// by half), a refused new run not at all, and every stored row is valid.

#include "app/applicationcore.h"
#include "testsupport.h"

#include <QLoggingCategory>
#include <QSignalSpy>

#include <climits>
#include <cmath>
#include <random>

namespace {

const QStringList kHostile
        = QString::fromUtf8("|'); DROP TABLE game_records;--|:id ? %1 %s|\n\r\t|NULL|Wall|"
                            "日本語 🎮 \u202Eright-to-left|@Variant(broken) =;#[]")
                  .split('|')
        << QString(QChar(0)) + "after-nul" << QString(20000, QChar(0x00e9));
const QVariantList kOdd = QVariantList()
        << INT_MAX << INT_MIN << (qlonglong(1) << 40) << (quint64(1) << 63) << 3.7 << -0.4 << -0.6
        << 2147483647.6 << 1e20 << qQNaN() << qInf() << -qInf() << true << "17" << QVariant()
        << "99999999999" << QVariantList{1} << "wall" << QVariantMap{{"score", 5}} << "abandoned";
// A snapshot's keys beside the columns that store them.
const QStringList kKeys
        = QStringLiteral("id,modeId,endReason,startedAt,endedAt,score,jumpCount,"
                         "maxSectionJumpCount,wallCollisionCount,blockCollisionCount")
                  .split(',');
const char kStoredRuns[]
        = "SELECT id, mode_id, end_reason, started_at, ended_at, score, jump_count, "
          "max_section_jump_count, wall_collision_count, block_collision_count "
          "FROM game_records";

std::mt19937 random(4242u);
const auto below = [](int n) { return int(random() % unsigned(n)); };

QVariant anyValue()
{
    const int kind = below(6);
    const QVariantList drawn{below(1000) - 100, below(100000) / 7.0 - 50.0, // never halfway
                             kHostile.at(below(kHostile.size())), kOdd.at(below(kOdd.size()))};
    return drawn.at(qMin(kind, 3));
}

// Every key, and one more of a hostile name, present with odds 9 in 10, its
// value plausible with odds 1 in 2 (always in a tidy snapshot, so that a fair
// share of runs is valid), else anything at all. Drawn one after the other:
// argument order is unspecified.
QVariantMap snapshot(int index)
{
    const bool tidy = below(12) == 0;
    const QVariantList plausible{QStringLiteral("g%1").arg(index), "endless",
                                 QStringList{"wall", "block", "fall", "abandoned"}.at(below(4))};
    const QStringList keys = kKeys + QStringList{"deathWorldY", "deathWorldX"}
            << kHostile.at(below(kHostile.size()));
    QVariantMap map;
    for (int i = 0; i < keys.size(); ++i) {
        if (below(10) != 0)
            map[keys.at(i)] = tidy || below(2) ? plausible.value(i, below(60)) : anyValue();
    }
    return map;
}

} // namespace

class tst_BadInput : public QObject
{
    Q_OBJECT
private slots:
    void badInput()
    {
        TestStorage storage;
        QLoggingCategory::setFilterRules(QStringLiteral("*.warning=false")); // thousands expected
        QHash<QString, QList<QVariantMap>> claimed; // every version an answer said was stored
        const int total = stressScaled(20000);
        {
            ApplicationCore core;
            // saveGameRecord with each text argument hostile in turn.
            for (int i = 0; i < kHostile.size() * 5; ++i) {
                QStringList v{QStringLiteral("s%1").arg(i), "endless", "wall", "", ""};
                v[i % 5] += kHostile.at(i / 5);
                const QVariantMap run{{"modeId", v[1]},          {"endReason", v[2]},
                                      {"startedAt", v[3]},       {"endedAt", v[4]},
                                      {"score", i % 7 ? i : -1}, {"id", v[0]}};
                if (core.saveGameRecord(v[0], v[1], run["score"].toInt(), v[2], v[3], v[4]))
                    claimed[v[0]] << run;
            }
            // Skins and achievements by hostile name are refused and change
            // nothing (the check of the database at the end looks at the
            // latter); settings by hostile name do no harm.
            const QVariantList skins = core.skins();
            for (const QString &text : kHostile) {
                QVERIFY(!core.selectSkin(text) && !core.unlockSkin(text));
                core.acknowledgeSkinRewards(text, {text});
                core.setAppSetting(text, text + "k", text + "v");
            }
            QCOMPARE(core.skins(), skins);

            // Generated snapshots, and now and then a stored run again, as it
            // was or with one more point. No answer is handled before all are
            // sent, so every id sent stays in flight.
            QSignalSpy answers(&core, &ApplicationCore::gameSettled);
            QList<QVariantMap> sent;
            QSet<QString> ids;
            for (int index = 0; index < total; ++index) {
                QVariantMap run = snapshot(index);
                if (index % 97 == 0) {
                    run = claimed.value(claimed.keys().at(below(claimed.size()))).first();
                    run["score"] = run.value("score").toDouble() + index % 2;
                }
                const QString id = run.value("id").toString();
                QCOMPARE(core.submitGameRecord(run), !id.isEmpty() && !ids.contains(id));
                if (!id.isEmpty() && !ids.contains(id))
                    sent << run;
                ids << id;
            }
            QTRY_COMPARE_WITH_TIMEOUT(answers.count(), sent.size(), 240000);
            for (int i = 0; i < sent.size(); ++i) {
                const QList<QVariant> answer = answers.at(i);
                QCOMPARE(answer.at(0).toString(), sent.at(i).value("id").toString());
                QCOMPARE(answer.at(3).toInt() >= 0, answer.at(1).toBool());
                QVERIFY(answer.at(1).toBool() || answer.at(2).toList().isEmpty());
                if (answer.at(1).toBool())
                    claimed[answer.at(0).toString()] << sent.at(i);
            }
        }
        qInfo("%d snapshots, %d runs stored", total, int(claimed.size()));
        QVERIFY(claimed.size() > total / 40);

        DatabaseCheck check(storage.databasePath());
        QCOMPARE(check.problems(false), QString());
        QCOMPARE(check.value(
                         "SELECT COUNT(*) FROM game_records WHERE id='' OR score<0 OR jump_count<0 "
                         "OR max_section_jump_count<0 OR end_reason NOT IN "
                         "('wall','block','fall','abandoned')"),
                 QStringLiteral("0"));
        int rows = 0;
        for (QSqlQuery row = check.query(kStoredRuns); row.next(); ++rows) {
            const QString id = row.value(0).toString();
            QVERIFY2(claimed.contains(id), qPrintable(id.left(80)));
            for (const QVariantMap &run : claimed.value(id)) {
                for (int i = 1; i < kKeys.size(); ++i) {
                    const QVariant given = run.value(kKeys.at(i)), stored = row.value(i);
                    QVERIFY2(i < 5 ? stored.toString() == given.toString()
                                   : std::fabs(stored.toDouble() - given.toDouble()) <= 0.5,
                             qPrintable(id.left(80) + ' ' + kKeys.at(i) + ' ' + stored.toString()));
                }
            }
        }
        QCOMPARE(rows, claimed.size());
    }
};

QTEST_GUILESS_MAIN(tst_BadInput)
#include "tst_badinput.moc"

// Tens of thousands of generated snapshots with arbitrary keys and value
// types, and hostile texts for every synchronous call. Nothing here works out
// which runs should settle; the database is held to what every answer
// claims: a settled run is stored as it was given (a count rounded at most
// by half), a refused new run not at all, and every stored row is valid.

#include "app/applicationcore.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <climits>
#include <cmath>
#include <random>

namespace {

const QStringList kHostileTexts = QStringList()
        << ""
        << "' OR '1'='1"
        << "'); DROP TABLE game_records;--"
        << ":id ? %1 %s"
        << "\n\r\t" << QString::fromUtf8("日本語 🎮 \u202Eright-to-left") << "NULL"
        << "@Variant(broken) =;#[]"
        << "Wall" << QString(QChar(0)) + "after-nul" << QString(20000, QChar(0x00e9));
const QVariantList kOddValues = QVariantList()
        << INT_MAX << INT_MIN << (qlonglong(1) << 40) << (quint64(1) << 63) << 3.7 << -0.4 << -0.6
        << 2147483647.6 << 1e20 << qQNaN() << qInf() << -qInf() << true << "17" << QVariant()
        << "99999999999" << QVariant(QVariantList{1}) << QVariantMap{{"score", 5}} << "wall"
        << "abandoned";
const QStringList kTextKeys{"modeId", "endReason", "startedAt", "endedAt"};
const QStringList kCountKeys{"score", "jumpCount", "maxSectionJumpCount", "wallCollisionCount",
                             "blockCollisionCount"};

std::mt19937 random(4242u);
int below(int n)
{
    return int(random() % unsigned(n));
}

QVariant anyValue()
{
    const int kind = below(10);
    return kind == 0    ? QVariant(below(1000) - 100)
            : kind == 1 ? QVariant(below(100000) / 7.0 - 50.0) // never halfway
            : kind < 4  ? QVariant(kHostileTexts.at(below(kHostileTexts.size())))
                        : kOddValues.at(below(kOddValues.size()));
}

// Mostly plausible values, so that a fair share of runs is valid; the rest
// anything at all. Drawn one after the other: argument order is unspecified.
QVariantMap snapshot(int index)
{
    QVariantMap map;
    if (below(10) < 9)
        map["id"] = below(10) < 8 ? QStringLiteral("g%1").arg(index) + anyValue().toString()
                                  : anyValue();
    const bool tidy = below(12) == 0;
    for (const QString &key : kCountKeys) {
        if (below(10) != 0)
            map[key] = tidy ? QVariant(below(60)) : anyValue();
    }
    if (below(10) != 0)
        map["endReason"] = tidy || below(2)
                ? QVariant(QStringList{"wall", "block", "fall", "abandoned"}.at(below(4)))
                : anyValue();
    map["modeId"] = below(2) ? QVariant("endless") : anyValue();
    for (const char *key : {"startedAt", "endedAt", "deathWorldY", "deathWorldX"}) {
        if (below(2))
            map[key] = anyValue();
    }
    if (below(4) == 0)
        map[kHostileTexts.at(below(kHostileTexts.size()))] = anyValue();
    return map;
}

// Why a stored row is not the run a snapshot describes; empty when it is.
QString mismatch(const QStringList &row, const QVariantMap &snapshot)
{
    for (int i = 0; i < kTextKeys.size(); ++i) {
        if (row.at(1 + i) != snapshot.value(kTextKeys.at(i)).toString())
            return kTextKeys.at(i);
    }
    for (int i = 0; i < kCountKeys.size(); ++i) {
        if (!(std::fabs(row.at(5 + i).toDouble() - snapshot.value(kCountKeys.at(i)).toDouble())
              <= 0.5))
            return kCountKeys.at(i) + " " + row.at(5 + i);
    }
    return QString();
}

void quiet(QtMsgType, const QMessageLogContext &, const QString &) { }

} // namespace

class tst_BadInput : public QObject
{
    Q_OBJECT
private slots:
    void badInput();
};

void tst_BadInput::badInput()
{
    TestStorage storage;
    const QtMessageHandler previous = qInstallMessageHandler(quiet);
    QHash<QString, QList<QVariantMap>> settled; // what the answers claimed stored
    QList<QStringList> settings;
    const int total = stressScaled(20000);
    {
        ApplicationCore core;
        // saveGameRecord with each text argument hostile in turn.
        for (int index = 0; index < kHostileTexts.size() * 5; ++index) {
            QStringList v{QStringLiteral("s%1").arg(index), "endless", "wall", "", ""};
            v[index % 5] += kHostileTexts.at(index / 5);
            const int score = index % 7 == 0 ? -1 : index;
            if (core.saveGameRecord(v[0], v[1], score, v[2], v[3], v[4]))
                settled[v[0]] << QVariantMap{{"modeId", v[1]},
                                             {"endReason", v[2]},
                                             {"startedAt", v[3]},
                                             {"endedAt", v[4]},
                                             {"score", score}};
        }
        // Skins by hostile id are refused and change nothing; an
        // acknowledgement naming a locked achievement fails as a whole.
        const QVariantList skins = core.skins();
        QSignalSpy acknowledged(&core, &ApplicationCore::skinRewardsAcknowledged);
        QList<QVariantList> expected;
        for (const QString &text : kHostileTexts) {
            QVERIFY(!core.selectSkin(text) && !core.unlockSkin(text));
            QCOMPARE(core.acknowledgeSkinRewards(text, {text, "score_500"}), !text.isEmpty());
            QVERIFY(!core.acknowledgeSkinRewards(text + "x", {}));
            if (!text.isEmpty())
                expected.append({text, false});
            const QString key = kHostileTexts.at((expected.size() * 7 + 3) % kHostileTexts.size());
            core.setAppSetting(text, key, text + "v");
            if (!text.isEmpty() && !key.isEmpty())
                settings.append({text, key, text + "v"});
        }
        QCOMPARE(core.skins(), skins);
        QTRY_COMPARE(QList<QVariantList>(acknowledged), expected);

        // Generated snapshots in batches; now and then a settled run again,
        // as it was or with one more point.
        QSignalSpy answers(&core, &ApplicationCore::gameSettled);
        for (int first = 0; first < total; first += 250) {
            QList<QVariantMap> sent;
            QSet<QString> ids;
            for (int index = first; index < qMin(first + 250, total); ++index) {
                QVariantMap run = snapshot(index);
                if (index % 97 == 0 && !settled.isEmpty()) {
                    const QString id = settled.keys().at(below(settled.size()));
                    run = settled.value(id).first();
                    run["id"] = id;
                    run["score"] = run.value("score").toDouble() + index % 2;
                }
                const QString id = run.value("id").toString();
                QCOMPARE(core.submitGameRecord(run), !id.isEmpty() && !ids.contains(id));
                if (!id.isEmpty() && !ids.contains(id)) {
                    ids.insert(id);
                    sent.append(run);
                }
            }
            QTRY_COMPARE_WITH_TIMEOUT(answers.count(), sent.size(), 60000);
            for (int i = 0; i < sent.size(); ++i) {
                const QList<QVariant> answer = answers.at(i);
                QCOMPARE(answer.at(0), sent.at(i).value("id").toString());
                QCOMPARE(answer.at(3).toInt() >= 0, answer.at(1).toBool());
                QVERIFY(answer.at(1).toBool() || answer.at(2).toList().isEmpty());
                if (answer.at(1).toBool())
                    settled[answer.at(0).toString()] << sent.at(i);
            }
            answers.clear();
        }
    }
    DatabaseConnection::closeConnection();
    {
        ApplicationCore core; // the settings, read back from the file
        for (const QStringList &setting : settings)
            QCOMPARE(core.appSetting(setting[0], setting[1]).toString(), setting[2]);
    }
    qInstallMessageHandler(previous);
    DatabaseConnection::closeConnection();
    qInfo("%d snapshots, %d runs stored", total, int(settled.size()));
    QVERIFY(settled.size() > total / 40);

    DatabaseCheck check(storage.databasePath());
    QCOMPARE(check.problems(false), QString());
    QCOMPARE(check.value("SELECT COUNT(*) FROM game_records WHERE id='' OR score<0 OR jump_count<0 "
                         "OR max_section_jump_count<0 OR end_reason NOT IN "
                         "('wall','block','fall','abandoned')"),
             QStringLiteral("0"));
    int rows = 0;
    for (QSqlQuery row = check.query("SELECT id, mode_id, end_reason, started_at, ended_at, score, "
                                     "jump_count, max_section_jump_count, wall_collision_count, "
                                     "block_collision_count FROM game_records");
         row.next(); ++rows) {
        QStringList values;
        for (int i = 0; i < 10; ++i)
            values << row.value(i).toString();
        QVERIFY2(settled.contains(values.first()), qPrintable(values.first().left(80)));
        for (const QVariantMap &run : settled.value(values.first()))
            QVERIFY2(mismatch(values, run).isEmpty(), qPrintable(mismatch(values, run)));
    }
    QCOMPARE(rows, settled.size());
}

QTEST_GUILESS_MAIN(tst_BadInput)
#include "tst_badinput.moc"

// Tens of thousands of generated snapshots with arbitrary keys and value
// types, and hostile texts for every synchronous call. Nothing here works out
// which runs should settle; the database is held to what every answer
// claims: a settled run is stored exactly as it was given (a count rounded
// at most by half), a refused new run is not stored at all, and every stored
// row is a valid run.

#include "app/applicationcore.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <climits>
#include <cmath>
#include <limits>
#include <random>

namespace {

const QStringList kTextKeys{"modeId", "endReason", "startedAt", "endedAt"};
const QStringList kCountKeys{"score", "jumpCount", "maxSectionJumpCount", "wallCollisionCount",
                             "blockCollisionCount"};
const QStringList kReasons{"wall", "block", "fall", "abandoned"};

const QStringList kHostileTexts{"",
                                " ",
                                "' OR '1'='1",
                                "'); DROP TABLE game_records;--",
                                ":id",
                                "?",
                                "%1 %s %n",
                                "\n\r\t",
                                QString::fromUtf8("日本語 🎮👾 \u202Eright-to-left"),
                                "NULL",
                                "@Variant(broken)",
                                "=;#[]",
                                "Wall",
                                "wall ",
                                QString(QChar(0)) + "after-nul",
                                QString(20000, QChar(0x00e9))};

// What an answer claimed about one id: the snapshots it settled, or that it
// was refused.
struct Claims
{
    QHash<QString, QList<QVariantMap>> settled;
    QSet<QString> refused;

    void add(const QString &id, const QVariantMap &snapshot, bool success)
    {
        if (success)
            settled[id].append(snapshot);
        else
            refused.insert(id);
    }
};

// Why a stored row is not the run a snapshot describes; empty when it is.
QString mismatch(const QStringList &row, const QVariantMap &snapshot)
{
    for (int i = 0; i < kTextKeys.size(); ++i) {
        const QString given = snapshot.value(kTextKeys.at(i)).toString();
        if (row.at(1 + i) != (given.isNull() ? QString("") : given))
            return kTextKeys.at(i);
    }
    for (int i = 0; i < kCountKeys.size(); ++i) {
        const double given = snapshot.value(kCountKeys.at(i)).toDouble();
        if (!(std::fabs(row.at(5 + i).toDouble() - given) <= 0.5))
            return kCountKeys.at(i) + " " + row.at(5 + i);
    }
    return QString();
}

class Generator
{
public:
    int below(int n) { return int(random() % unsigned(n)); }

    QVariant anyValue()
    {
        const int kind = below(10);
        if (kind == 0)
            return below(1000) - 100;
        if (kind == 1)
            return double(below(100000)) / 7.0 - 50.0; // never halfway between integers
        if (kind < 4)
            return kHostileTexts.at(below(kHostileTexts.size()));
        return pool.at(below(pool.size()));
    }

    // Mostly plausible values, so that a fair share of runs is valid and gets
    // stored; the rest anything at all. Drawn one after the other: argument
    // order is unspecified.
    QVariantMap snapshot(int index)
    {
        QVariantMap map;
        const int style = below(10);
        if (style < 7)
            map.insert("id", QStringLiteral("g%1").arg(index) + anyValue().toString());
        else if (style < 9)
            map.insert("id", anyValue());
        const bool tidy = below(12) == 0;
        for (const QString &key : kCountKeys) {
            if (below(10) != 0)
                map.insert(key, tidy ? QVariant(below(60)) : anyValue());
        }
        if (below(10) != 0)
            map.insert("endReason",
                       tidy || below(2) ? QVariant(kReasons.at(below(4))) : anyValue());
        map.insert("modeId", below(2) ? QVariant("endless") : anyValue());
        for (const char *key : {"startedAt", "endedAt", "deathWorldY", "deathWorldX"}) {
            if (below(2))
                map.insert(key, anyValue());
        }
        if (below(4) == 0)
            map.insert(kHostileTexts.at(below(kHostileTexts.size())), anyValue());
        return map;
    }

private:
    std::mt19937 random{4242u};
    const double inf = std::numeric_limits<double>::infinity();
    const QVariantList pool{INT_MAX,
                            INT_MIN,
                            qlonglong(1) << 40,
                            quint64(1) << 63,
                            3.7,
                            -0.4,
                            -0.6,
                            2147483647.4,
                            2147483647.6,
                            4294967301.0,
                            1e20,
                            5e-324,
                            std::numeric_limits<double>::quiet_NaN(),
                            inf,
                            -inf,
                            true,
                            "17",
                            "-3",
                            "99999999999",
                            QVariantList{1, "wall"},
                            QVariantMap{{"score", 5}},
                            QVariant(),
                            "wall",
                            "abandoned"};
};

} // namespace

class tst_BadInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setTestApplicationNames(); }
    void badInput();
};

void tst_BadInput::badInput()
{
    TestStorage storage;
    const QtMessageHandler previous = qInstallMessageHandler(ignoreMessages);
    Claims claims;
    QList<QPair<QStringList, QString>> settings;
    const int total = stressScaled(20000);
    {
        ApplicationCore core;

        // saveGameRecord: every text argument hostile in turn.
        int index = 0;
        for (const QString &text : kHostileTexts) {
            for (int position = 0; position < 5; ++position, ++index) {
                QStringList v{QStringLiteral("s%1").arg(index), "endless", "wall", "", ""};
                v[position] = position == 0 ? v[0] + text : text;
                const int score = index % 7 == 0 ? -1 : index;
                const QVariantMap as{{"modeId", v[1]},
                                     {"endReason", v[2]},
                                     {"startedAt", v[3]},
                                     {"endedAt", v[4]},
                                     {"score", score}};
                claims.add(v[0], as,
                           core.saveGameRecord(v[0], v[1], score, v[2], v[3], v[4], text));
            }
        }

        // Skins by hostile id: refused, and nothing changes.
        const QVariantList skins = core.skins();
        for (const QString &text : kHostileTexts)
            QVERIFY(!core.selectSkin(text) && !core.unlockSkin(text));
        QCOMPARE(core.skins(), skins);

        // Acknowledgements: refused without id, otherwise one failed answer
        // each, since a locked achievement fails the whole batch.
        QSignalSpy acknowledged(&core, &ApplicationCore::skinRewardsAcknowledged);
        QList<QVariantList> expected;
        for (const QString &text : kHostileTexts) {
            QCOMPARE(core.acknowledgeSkinRewards(text, {text, "score_500"}), !text.isEmpty());
            if (!text.isEmpty())
                expected.append({text, false});
        }
        QTRY_COMPARE(acknowledged.count(), expected.size());
        QCOMPARE(QList<QVariantList>(acknowledged), expected);

        // Settings with hostile groups, keys and values.
        for (int i = 0; i < kHostileTexts.size(); ++i) {
            const QStringList place{kHostileTexts.at(i),
                                    kHostileTexts.at((i * 7 + 3) % kHostileTexts.size())};
            const QString value = kHostileTexts.at((i * 5 + 1) % kHostileTexts.size());
            core.setAppSetting(place[0], place[1], value);
            if (!place[0].isEmpty() && !place[1].isEmpty())
                settings.append({place, value});
        }

        // Generated snapshots, in batches; now and then a settled run again,
        // as it was or with one more point.
        Generator generator;
        QSignalSpy settled(&core, &ApplicationCore::gameSettled);
        for (int first = 0; first < total; first += 250) {
            QList<QVariantMap> sent;
            QSet<QString> ids;
            for (int index = first; index < qMin(first + 250, total); ++index) {
                QVariantMap snapshot = generator.snapshot(index);
                if (index % 97 == 0 && !claims.settled.isEmpty()) {
                    const QString id
                            = claims.settled.keys().at(generator.below(claims.settled.size()));
                    snapshot = claims.settled.value(id).first();
                    snapshot.insert("id", id);
                    snapshot.insert("score", snapshot.value("score").toDouble() + index % 2);
                }
                const QString id = snapshot.value("id").toString();
                const bool accept = !id.isEmpty() && !ids.contains(id);
                QCOMPARE(core.submitGameRecord(snapshot), accept);
                if (accept) {
                    ids.insert(id);
                    sent.append(snapshot);
                }
            }
            QTRY_COMPARE_WITH_TIMEOUT(settled.count(), sent.size(), 60000);
            for (int i = 0; i < sent.size(); ++i) {
                const QList<QVariant> answer = settled.at(i);
                const bool success = answer.at(1).toBool();
                QCOMPARE(answer.at(0), sent.at(i).value("id").toString());
                QCOMPARE(answer.at(3).toInt() >= 0, success);
                QVERIFY(success || answer.at(2).toList().isEmpty());
                claims.add(answer.at(0).toString(), sent.at(i), success);
            }
            settled.clear();
        }
    }
    DatabaseConnection::closeConnection();

    // Settings read back by a new instance, from the file.
    {
        ApplicationCore core;
        for (const auto &setting : settings)
            QCOMPARE(core.appSetting(setting.first[0], setting.first[1]).toString(),
                     setting.second);
    }
    qInstallMessageHandler(previous);
    DatabaseConnection::closeConnection();
    qInfo("%d snapshots, %d runs stored", total, int(claims.settled.size()));
    QVERIFY(claims.settled.size() > total / 40);

    DatabaseCheck check(storage.databasePath());
    const QString problems = check.problems(false);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
    QCOMPARE(check.value("SELECT COUNT(*) FROM game_records WHERE id='' OR score<0 OR "
                         "jump_count<0 OR max_section_jump_count<0 OR "
                         "end_reason NOT IN ('wall','block','fall','abandoned')"),
             QStringLiteral("0"));
    const QList<QStringList> rows
            = check.rows("SELECT id, mode_id, end_reason, started_at, ended_at, score, jump_count,"
                         " max_section_jump_count, wall_collision_count, block_collision_count "
                         "FROM game_records");
    QSet<QString> stored;
    for (const QStringList &row : rows) {
        stored.insert(row.first());
        QVERIFY2(claims.settled.contains(row.first()), qPrintable(row.first().left(80)));
        for (const QVariantMap &snapshot : claims.settled.value(row.first())) {
            const QString wrong = mismatch(row, snapshot);
            QVERIFY2(wrong.isEmpty(), qPrintable(row.first().left(80) + ": " + wrong));
        }
    }
    QCOMPARE(stored.size(), claims.settled.size());
}

QTEST_GUILESS_MAIN(tst_BadInput)
#include "tst_badinput.moc"

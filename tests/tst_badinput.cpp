// Tens of thousands of generated snapshots with arbitrary keys and value
// types, and hostile texts for every synchronous call. The expected outcome
// of each is worked out here from the rules for a valid run, independently
// of the code under test, and the database is compared with it at the end.

#include "app/applicationcore.h"
#include "reliability.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <climits>
#include <cmath>
#include <limits>
#include <random>

namespace {

// In the order of the stored columns after the texts.
const QStringList kCountKeys{"score", "jumpCount", "maxSectionJumpCount", "wallCollisionCount",
                             "blockCollisionCount"};
const QStringList kReasons{"wall", "block", "fall", "abandoned"};
const char kStoredRuns[]
        = "SELECT id, mode_id, end_reason, started_at, ended_at, score, jump_count,"
          " max_section_jump_count, wall_collision_count, block_collision_count "
          "FROM game_records";

const QStringList kHostileTexts{"",
                                " ",
                                "'",
                                "\"",
                                "' OR '1'='1",
                                "'); DROP TABLE game_records;--",
                                "x\"; DELETE FROM skins; --",
                                ":id",
                                "?",
                                "%1 %s %n",
                                "\\",
                                "\n\r\t",
                                QString::fromUtf8("日本語 🎮👾 Ünïcödé \u202Eright-to-left"),
                                "NULL",
                                "{\"json\": [1, 2]}",
                                "@Variant(broken)",
                                "=;#[]",
                                "../../etc/passwd",
                                "Wall",
                                "wall ",
                                "clown ",
                                QString(QChar(0)) + "after-nul",
                                QString(20000, QChar(0x00e9))};

// What the settlement makes of a count: absent and null read 0; whole
// numbers in the 32-bit range are kept, fractions rounded to the nearest;
// everything else fails the run.
bool expectedCount(const QVariant &value, qint64 &out)
{
    out = 0;
    if (value.isNull())
        return true;
    switch (static_cast<int>(value.type())) {
    case QMetaType::Bool:
        out = value.toBool();
        return true;
    case QMetaType::Int:
    case QMetaType::LongLong:
        out = value.toLongLong();
        break;
    case QMetaType::ULongLong:
        if (value.toULongLong() > quint64(INT_MAX))
            return false;
        out = value.toLongLong();
        break;
    case QMetaType::Double:
        if (!std::isfinite(value.toDouble()) || std::fabs(value.toDouble()) > 1e12)
            return false;
        out = std::llround(value.toDouble());
        break;
    case QMetaType::QString:
        // Only plain decimal integers are numbers.
        if (!QRegularExpression("^[-+]?[0-9]{1,18}$").match(value.toString()).hasMatch())
            return false;
        out = value.toString().toLongLong();
        break;
    default:
        return false;
    }
    return out >= INT_MIN && out <= INT_MAX;
}

// Whether the snapshot describes a valid run, and the row it would store.
bool expectedRun(const QVariantMap &snapshot, QStringList &row)
{
    const auto text = [&snapshot](const char *key) {
        const QString value = snapshot.value(QLatin1String(key)).toString();
        return value.isNull() ? QString("") : value;
    };
    bool valid = !text("id").isEmpty() && kReasons.contains(text("endReason"));
    row = QStringList{text("modeId"), text("endReason"), text("startedAt"), text("endedAt")};
    for (const QString &key : kCountKeys) {
        qint64 count;
        valid = expectedCount(snapshot.value(key), count) && count >= 0 && valid;
        row << QString::number(count);
    }
    return valid;
}

// Whether a run under this id settles: a new valid one is stored, a repeat
// must be identical to it.
bool expectStored(QHash<QString, QStringList> &stored, const QString &id, const QStringList &row,
                  bool valid)
{
    if (valid && !stored.contains(id))
        stored.insert(id, row);
    return valid && stored.value(id) == row;
}

class Generator
{
public:
    int below(int n) { return int(random() % unsigned(n)); }

    QVariant anyValue()
    {
        switch (below(10)) {
        case 0:
            return below(1000) - 100;
        case 1:
            return double(below(100000)) / 7.0 - 50.0; // never halfway between integers
        case 2:
        case 3:
            return kHostileTexts.at(below(kHostileTexts.size()));
        default:
            return pool.at(below(pool.size()));
        }
    }

    // Mostly plausible values, so that a fair share of runs is valid and gets
    // stored; the rest anything at all. A valid run costs two commits, an
    // invalid one none, which keeps the run short while every kind of value
    // still reaches every key. Drawn one after the other: argument order is
    // unspecified.
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
        if (below(4) == 0) {
            const QString key = kHostileTexts.at(below(kHostileTexts.size()));
            map.insert(key, anyValue());
        }
        return map;
    }

private:
    std::mt19937 random{4242u};
    const double inf = std::numeric_limits<double>::infinity();
    const QVariantList pool{INT_MAX,
                            INT_MIN,
                            qlonglong(1) << 40,
                            qlonglong(-5),
                            quint64(1) << 63,
                            quint64(7),
                            3.7,
                            -0.4,
                            -0.6,
                            0.49,
                            2147483647.4,
                            2147483647.6,
                            4294967301.0,
                            1e20,
                            -1e20,
                            1e308,
                            5e-324,
                            std::numeric_limits<double>::quiet_NaN(),
                            inf,
                            -inf,
                            true,
                            false,
                            "17",
                            "-3",
                            "99999999999",
                            QVariantList{1, "wall", QVariantList()},
                            QVariantMap{{"score", 5}},
                            QVariant(),
                            "wall",
                            "fall",
                            "abandoned",
                            "2025-01-31T08:05:09Z"};
};

} // namespace

class BadInputTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setTestApplicationNames(); }
    void badInput();
};

void BadInputTest::badInput()
{
    TestStorage storage;
    const QtMessageHandler previous = qInstallMessageHandler(ignoreMessages);
    QHash<QString, QStringList> stored; // by id, as the row should read
    QList<QPair<QStringList, QString>> settings;
    {
        ApplicationCore core;

        // saveGameRecord: every text argument hostile in turn.
        int index = 0;
        for (const QString &text : kHostileTexts) {
            for (int position = 0; position < 5; ++position, ++index) {
                QStringList v{QStringLiteral("s%1").arg(index), "endless", "wall", "", ""};
                v[position] = position == 0 ? v[0] + text : text;
                const int score = index % 7 == 0 ? -1 : index;
                const QStringList row{v[1], v[2], v[3], v[4], QString::number(score),
                                      "0",  "0",  "0",  "0"};
                const bool valid = score >= 0 && kReasons.contains(v[2]);
                QCOMPARE(core.saveGameRecord(v[0], v[1], score, v[2], v[3], v[4], QVariant(text)),
                         expectStored(stored, v[0], row, valid));
            }
        }

        // Skins by hostile id: refused, and nothing changes.
        const QVariantList skins = core.skins();
        for (const QString &text : kHostileTexts) {
            QVERIFY(!core.selectSkin(text));
            QVERIFY(!core.unlockSkin(text));
        }
        QCOMPARE(core.skins(), skins);

        // Acknowledgements: refused without id, otherwise exactly one failed
        // answer each, since a locked achievement fails the whole batch.
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

        // Generated snapshots, in batches; now and then the same run again,
        // or the same id with a different score.
        Generator generator;
        QSignalSpy settled(&core, &ApplicationCore::gameSettled);
        const int total = stressScaled(20000);
        for (int first = 0; first < total; first += 250) {
            QStringList ids;
            QList<bool> successes;
            for (int index = first; index < qMin(first + 250, total); ++index) {
                QVariantMap snapshot = generator.snapshot(index);
                if (index % 97 == 0 && !stored.isEmpty()) {
                    const QString id = stored.keys().at(generator.below(stored.size()));
                    const QStringList row = stored.value(id);
                    snapshot = {{"id", id},
                                {"modeId", row[0]},
                                {"endReason", row[1]},
                                {"startedAt", row[2]},
                                {"endedAt", row[3]}};
                    for (int i = 0; i < kCountKeys.size(); ++i)
                        snapshot.insert(kCountKeys[i],
                                        row[4 + i].toLongLong() + (i == 0 && index % 2));
                }
                const QString id = snapshot.value("id").toString();
                const bool accept = !id.isEmpty() && !ids.contains(id);
                QCOMPARE(core.submitGameRecord(snapshot), accept);
                if (accept) {
                    QStringList row;
                    const bool valid = expectedRun(snapshot, row);
                    ids << id;
                    successes << expectStored(stored, id, row, valid);
                }
            }
            QTRY_COMPARE_WITH_TIMEOUT(settled.count(), ids.size(), 60000);
            for (int i = 0; i < ids.size(); ++i) {
                const QList<QVariant> answer = settled.at(i);
                QCOMPARE(answer.at(0).toString(), ids.at(i));
                QVERIFY2(answer.at(1).toBool() == successes.at(i), qPrintable(ids.at(i).left(80)));
                QCOMPARE(answer.at(3).toInt() >= 0, successes.at(i));
                QVERIFY(successes.at(i) || answer.at(2).toList().isEmpty());
            }
            settled.clear();
        }
        QVERIFY(stored.size() > total / 40);
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
    qInfo("%d snapshots, %d runs stored", stressScaled(20000), int(stored.size()));
    DatabaseConnection::closeConnection();

    DatabaseCheck check(storage.databasePath());
    const QString problems = check.problems(false);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
    const QList<QStringList> rows = check.rows(QLatin1String(kStoredRuns));
    QCOMPARE(rows.size(), stored.size());
    for (const QStringList &row : rows)
        QCOMPARE(row.mid(1), stored.value(row.first()));
}

QTEST_GUILESS_MAIN(BadInputTest)
#include "tst_badinput.moc"

// Tens of thousands of generated snapshots with arbitrary keys and value
// types, and hostile texts for every synchronous call. The expected outcome
// of each is worked out here from the rules for a valid run, independently
// of the code under test, and the database is compared with it at the end.

#include "applicationcore.h"
#include "reliability.h"
#include "testsupport.h"

#include <QHash>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

#include <climits>
#include <cmath>
#include <limits>
#include <random>

namespace {

const QStringList kCountKeys{
        QStringLiteral("score"), QStringLiteral("jumpCount"), QStringLiteral("maxSectionJumpCount"),
        QStringLiteral("wallCollisionCount"), QStringLiteral("blockCollisionCount")};
const QStringList kTextKeys{QStringLiteral("modeId"), QStringLiteral("endReason"),
                            QStringLiteral("startedAt"), QStringLiteral("endedAt")};
const QStringList kReasons{QStringLiteral("wall"), QStringLiteral("block"), QStringLiteral("fall"),
                           QStringLiteral("abandoned")};

QStringList hostileTexts()
{
    QStringList texts{QString(""),
                      QStringLiteral(" "),
                      QStringLiteral("'"),
                      QStringLiteral("\""),
                      QStringLiteral("' OR '1'='1"),
                      QStringLiteral("'); DROP TABLE game_records;--"),
                      QStringLiteral("x\"; DELETE FROM skins; --"),
                      QStringLiteral(":id"),
                      QStringLiteral("?"),
                      QStringLiteral("%1 %s %n"),
                      QStringLiteral("\\"),
                      QStringLiteral("a/b"),
                      QStringLiteral("\n\r\t"),
                      QString::fromUtf8("日本語のテキスト"),
                      QString::fromUtf8("🎮👾🚀"),
                      QString::fromUtf8("Ünïcödé ñ"),
                      QString::fromUtf8("\u202Eright-to-left"),
                      QStringLiteral("NULL"),
                      QStringLiteral("{\"json\": [1, 2]}"),
                      QStringLiteral("@Variant(broken)"),
                      QStringLiteral("=;#[]"),
                      QStringLiteral("../../etc/passwd"),
                      QStringLiteral("Wall"),
                      QStringLiteral("wall "),
                      QStringLiteral("clown "),
                      QStringLiteral("score_50'--")};
    texts << QString(QChar(0)) + QStringLiteral("after-nul");
    texts << QString(20000, QChar(0x00e9));
    return texts;
}

// What the settlement makes of a count: absent and null read 0; whole
// numbers in the 32-bit range are kept, fractions rounded to the nearest;
// everything else fails the run.
bool expectedCount(const QVariant &value, qint64 &out)
{
    out = 0;
    if (!value.isValid() || value.isNull())
        return true;
    switch (static_cast<int>(value.type())) {
    case QMetaType::Bool:
        out = value.toBool() ? 1 : 0;
        return true;
    case QMetaType::Int:
        out = value.toInt();
        return true;
    case QMetaType::LongLong:
        out = value.toLongLong();
        break;
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        if (value.toULongLong() > quint64(INT_MAX))
            return false;
        out = qint64(value.toULongLong());
        break;
    case QMetaType::Double: {
        const double number = value.toDouble();
        if (!std::isfinite(number) || std::fabs(number) > 1e12)
            return false;
        out = std::llround(number);
        break;
    }
    case QMetaType::QString: {
        // Only plain decimal integers are numbers.
        const QString text = value.toString();
        static const QRegularExpression integer(QStringLiteral("^[-+]?[0-9]{1,18}$"));
        if (!integer.match(text).hasMatch())
            return false;
        out = text.toLongLong();
        break;
    }
    default:
        return false;
    }
    return out >= INT_MIN && out <= INT_MAX;
}

struct ExpectedRun
{
    QString modeId;
    qint64 counts[5];
    QString endReason;
    QString startedAt;
    QString endedAt;

    bool sameAs(const ExpectedRun &other) const
    {
        for (int i = 0; i < 5; ++i) {
            if (counts[i] != other.counts[i])
                return false;
        }
        return modeId == other.modeId && endReason == other.endReason
                && startedAt == other.startedAt && endedAt == other.endedAt;
    }
};

QString textOf(const QVariantMap &snapshot, const QString &key)
{
    QString text = snapshot.value(key).toString();
    return text.isNull() ? QString("") : text;
}

// Whether the snapshot describes a valid run, and the run it describes.
bool expectedRun(const QVariantMap &snapshot, ExpectedRun &run)
{
    bool valid = !textOf(snapshot, QStringLiteral("id")).isEmpty();
    for (int i = 0; i < 5; ++i) {
        if (!expectedCount(snapshot.value(kCountKeys.at(i)), run.counts[i]) || run.counts[i] < 0)
            valid = false;
    }
    run.modeId = textOf(snapshot, QStringLiteral("modeId"));
    run.endReason = textOf(snapshot, QStringLiteral("endReason"));
    run.startedAt = textOf(snapshot, QStringLiteral("startedAt"));
    run.endedAt = textOf(snapshot, QStringLiteral("endedAt"));
    return valid && kReasons.contains(run.endReason);
}

class Generator
{
public:
    explicit Generator(unsigned seed)
        : random(seed)
        , texts(hostileTexts())
    { }

    int below(int n) { return int(random() % unsigned(n)); }

    QVariant anyValue()
    {
        switch (below(16)) {
        case 0:
            return below(1000) - 100;
        case 1:
            return QVariant(qlonglong(random()) * 4099 - (qlonglong(1) << 40));
        case 2:
            return QVariant(below(2) ? INT_MAX : INT_MIN);
        case 3: {
            // Two draws, in a fixed order whatever the compiler does.
            const quint64 bits = random();
            return QVariant(bits << below(40));
        }
        case 4: {
            const double doubles[] = {3.7,
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
                                      std::numeric_limits<double>::infinity(),
                                      -std::numeric_limits<double>::infinity()};
            return doubles[below(int(sizeof doubles / sizeof doubles[0]))];
        }
        case 5:
            return double(below(100000)) / 7.0 - 50.0;
        case 6:
            return bool(below(2));
        case 7:
            return QString::number(below(200000) - 100);
        case 8:
            return QStringLiteral("99999999999");
        case 9:
        case 10:
            return texts.at(below(texts.size()));
        case 11:
            return QVariantList{1, QStringLiteral("wall"), QVariantList()};
        case 12:
            return QVariantMap{{QStringLiteral("score"), 5}};
        case 13:
            return QVariant();
        case 14:
            return kReasons.at(below(4));
        default:
            return QStringLiteral("2025-01-31T08:05:09Z");
        }
    }

    // Mostly plausible values, so that a fair share of runs is valid and
    // gets stored; the rest anything at all.
    QVariantMap snapshot(int index)
    {
        QVariantMap map;
        const int style = below(10);
        if (style < 7)
            map.insert(QStringLiteral("id"),
                       QStringLiteral("g%1%2").arg(index).arg(texts.at(below(texts.size()))));
        else if (style < 9)
            map.insert(QStringLiteral("id"), anyValue());
        // Most snapshots are untidy and fail early on some count; a valid
        // run costs two commits, an invalid one none, which keeps the run
        // short while every kind of value still reaches every key.
        const bool tidy = below(12) == 0;
        for (const QString &key : kCountKeys) {
            if (below(10) == 0)
                continue;
            map.insert(key, tidy ? QVariant(below(60)) : anyValue());
        }
        if (below(10) != 0)
            map.insert(QStringLiteral("endReason"),
                       tidy || below(2) ? QVariant(kReasons.at(below(4))) : anyValue());
        map.insert(QStringLiteral("modeId"),
                   below(2) ? QVariant(QStringLiteral("endless")) : anyValue());
        if (below(2))
            map.insert(QStringLiteral("startedAt"), anyValue());
        if (below(2))
            map.insert(QStringLiteral("endedAt"), anyValue());
        if (below(2))
            map.insert(QStringLiteral("deathWorldY"), anyValue());
        if (below(2))
            map.insert(QStringLiteral("deathWorldX"), anyValue());
        if (below(4) == 0) {
            // Drawn one after the other: argument order is unspecified.
            const QString key = texts.at(below(texts.size()));
            map.insert(key, anyValue());
        }
        return map;
    }

private:
    std::mt19937 random;
    QStringList texts;
};

} // namespace

class BadInputTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setTestApplicationNames(); }
    void generatedSnapshots();
    void hostileTextsOnSynchronousCalls();
};

void BadInputTest::generatedSnapshots()
{
    TestStorage storage;
    QtMessageHandler previous
            = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    Generator generator(4242u);
    const int total = stressScaled(20000);
    const int batchSize = 250;
    QHash<QString, ExpectedRun> stored;
    int accepted = 0;
    int expectedSuccesses = 0;
    {
        ApplicationCore core;
        QSignalSpy settled(&core, &ApplicationCore::gameSettled);
        for (int first = 0; first < total; first += batchSize) {
            QStringList acceptedIds;
            QList<bool> expectedSuccess;
            QSet<QString> pending;
            for (int index = first; index < first + batchSize && index < total; ++index) {
                QVariantMap snapshot = generator.snapshot(index);
                // Now and then the same run again, or the same id with a
                // different score.
                if (index % 97 == 0 && !stored.isEmpty()) {
                    const QString id = stored.keys().at(generator.below(stored.size()));
                    const ExpectedRun &run = stored.value(id);
                    snapshot = {{QStringLiteral("id"), id},
                                {QStringLiteral("modeId"), run.modeId},
                                {QStringLiteral("endReason"), run.endReason},
                                {QStringLiteral("startedAt"), run.startedAt},
                                {QStringLiteral("endedAt"), run.endedAt}};
                    for (int i = 0; i < 5; ++i)
                        snapshot.insert(kCountKeys.at(i), run.counts[i] + (i == 0 && index % 2));
                }
                const QString id = textOf(snapshot, QStringLiteral("id"));
                const bool shouldAccept = !id.isEmpty() && !pending.contains(id);
                QCOMPARE(core.submitGameRecord(snapshot), shouldAccept);
                if (!shouldAccept)
                    continue;
                pending.insert(id);
                acceptedIds << id;
                ExpectedRun run;
                bool success = expectedRun(snapshot, run);
                if (success && stored.contains(id))
                    success = stored.value(id).sameAs(run);
                else if (success)
                    stored.insert(id, run);
                expectedSuccess << success;
            }
            QTRY_COMPARE_WITH_TIMEOUT(settled.count(), acceptedIds.size(), 60000);
            for (int i = 0; i < acceptedIds.size(); ++i) {
                const QList<QVariant> answer = settled.at(i);
                QCOMPARE(answer.at(0).toString(), acceptedIds.at(i));
                if (answer.at(1).toBool() != expectedSuccess.at(i)) {
                    QFAIL(qPrintable(QStringLiteral("run %1: settled %2, expected %3")
                                             .arg(acceptedIds.at(i).left(80))
                                             .arg(answer.at(1).toBool())
                                             .arg(expectedSuccess.at(i))));
                }
                if (!answer.at(1).toBool()) {
                    QCOMPARE(answer.at(2).toList(), QVariantList());
                    QCOMPARE(answer.at(3).toInt(), -1);
                } else {
                    QVERIFY(answer.at(3).toInt() >= 0);
                }
            }
            accepted += acceptedIds.size();
            expectedSuccesses
                    += int(std::count(expectedSuccess.begin(), expectedSuccess.end(), true));
            settled.clear();
        }
    }
    qInstallMessageHandler(previous);
    qInfo("%d snapshots, %d accepted, %d settled successfully, %d runs stored", total, accepted,
          expectedSuccesses, int(stored.size()));
    QVERIFY(stored.size() > total / 40);

    DatabaseConnection::closeConnection();
    DatabaseCheck check(storage.databasePath());
    const QStringList problems = check.problems(false);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    QCOMPARE(check.value(QStringLiteral("SELECT COUNT(*) FROM game_records")).toInt(),
             stored.size());
    for (auto it = stored.constBegin(); it != stored.constEnd(); ++it) {
        const QVariantList row
                = {check.value(QStringLiteral("SELECT mode_id FROM game_records WHERE id=?"),
                               {it.key()}),
                   check.value(QStringLiteral("SELECT score FROM game_records WHERE id=?"),
                               {it.key()}),
                   check.value(QStringLiteral("SELECT end_reason FROM game_records WHERE id=?"),
                               {it.key()}),
                   check.value(QStringLiteral("SELECT started_at||'|'||ended_at||'|'||jump_count"
                                              "||'|'||max_section_jump_count||'|'||wall_"
                                              "collision_count||'|'||block_collision_count "
                                              "FROM game_records WHERE id=?"),
                               {it.key()})};
        const ExpectedRun &run = it.value();
        QCOMPARE(row.at(0).toString(), run.modeId);
        QCOMPARE(row.at(1).toLongLong(), run.counts[0]);
        QCOMPARE(row.at(2).toString(), run.endReason);
        // Joined rather than arg()ed: the texts themselves contain "%1".
        QCOMPARE(row.at(3).toString(),
                 QStringList({run.startedAt, run.endedAt, QString::number(run.counts[1]),
                              QString::number(run.counts[2]), QString::number(run.counts[3]),
                              QString::number(run.counts[4])})
                         .join(QLatin1Char('|')));
    }
}

void BadInputTest::hostileTextsOnSynchronousCalls()
{
    TestStorage storage;
    QtMessageHandler previous
            = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const QStringList texts = hostileTexts();
    QHash<QString, ExpectedRun> stored;
    QList<QPair<QPair<QString, QString>, QString>> settings;
    {
        ApplicationCore core;

        // saveGameRecord: every text argument hostile in turn.
        int index = 0;
        for (const QString &text : texts) {
            for (int position = 0; position < 5; ++position) {
                QString values[5] = {QStringLiteral("s%1").arg(index++), QStringLiteral("endless"),
                                     QStringLiteral("wall"), QString(""), QString("")};
                values[position] = position == 0 ? values[0] + text : text;
                const int score = index % 7 == 0 ? -1 : index;
                ExpectedRun run{values[1], {score, 0, 0, 0, 0}, values[2], values[3], values[4]};
                const bool valid = score >= 0 && kReasons.contains(values[2]);
                QString id = values[0];
                bool expected = valid;
                if (valid && stored.contains(id))
                    expected = stored.value(id).sameAs(run);
                else if (valid)
                    stored.insert(id, run);
                QCOMPARE(core.saveGameRecord(values[0], values[1], score, values[2], values[3],
                                             values[4], QVariant(text), QVariant()),
                         expected);
            }
        }
        // An empty id gets a fresh one.
        QVERIFY(core.saveGameRecord(QString(""), QStringLiteral("endless"), 1,
                                    QStringLiteral("fall"), QString(""), QString("")));
        QCOMPARE(core.gameRecords().size(), stored.size() + 1);

        // Skins by hostile id: refused, and nothing changes.
        const QVariantList skinsBefore = core.skins();
        QVERIFY(!skinsBefore.isEmpty());
        for (const QString &text : texts) {
            QCOMPARE(core.selectSkin(text), false);
            QCOMPARE(core.unlockSkin(text), false);
        }
        const QVariantList skinsAfter = core.skins();
        QCOMPARE(skinsAfter.size(), skinsBefore.size());
        for (int i = 0; i < skinsAfter.size(); ++i) {
            const QVariantMap before = skinsBefore.at(i).toMap();
            const QVariantMap after = skinsAfter.at(i).toMap();
            for (const QString &key : before.keys())
                QVERIFY2(before.value(key) == after.value(key),
                         qPrintable(QStringLiteral("%1 %2: %3 -> %4")
                                            .arg(before.value(QStringLiteral("skinId")).toString(),
                                                 key, before.value(key).toString(),
                                                 after.value(key).toString())));
        }

        // Acknowledgements: refused without id or codes, otherwise exactly
        // one failed answer each, since no hostile code names a reward.
        QSignalSpy acknowledged(&core, &ApplicationCore::skinRewardsAcknowledged);
        QStringList expectedRequests;
        for (int i = 0; i < texts.size(); ++i) {
            const QString request = texts.at(i);
            QVariantList codes;
            for (int j = 0; j < i % 4; ++j)
                codes << texts.at((i + j) % texts.size());
            const bool accept = !request.isEmpty() && !codes.isEmpty();
            QCOMPARE(core.acknowledgeSkinRewards(request, codes), accept);
            if (accept)
                expectedRequests << request;
        }
        QTRY_COMPARE(acknowledged.count(), expectedRequests.size());
        for (int i = 0; i < expectedRequests.size(); ++i) {
            QCOMPARE(acknowledged.at(i).at(0).toString(), expectedRequests.at(i));
            QCOMPARE(acknowledged.at(i).at(1).toBool(), false);
        }

        // Settings with hostile groups, keys and values.
        for (int i = 0; i < texts.size(); ++i) {
            const QString group = texts.at(i);
            const QString key = texts.at((i * 7 + 3) % texts.size());
            const QString value = texts.at((i * 5 + 1) % texts.size());
            core.setAppSetting(group, key, value);
            if (group.isEmpty() || key.isEmpty()) {
                QVERIFY(!core.appSetting(group, key).isValid());
                continue;
            }
            settings.append({{group, key}, value});
        }
    }
    DatabaseConnection::closeConnection();

    // Read back by a new instance, from the file.
    {
        ApplicationCore core;
        QStringList lost;
        for (const auto &setting : settings) {
            const QVariant value = core.appSetting(setting.first.first, setting.first.second);
            if (value.toString() != setting.second)
                lost << QStringLiteral("[%1] %2 = %3 read back as %4")
                                .arg(setting.first.first.left(20), setting.first.second.left(20),
                                     setting.second.left(20), value.toString().left(20));
        }
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(QLatin1Char('\n'))));
        QCOMPARE(core.gameRecords().size(), stored.size() + 1);
    }
    qInstallMessageHandler(previous);

    DatabaseConnection::closeConnection();
    DatabaseCheck check(storage.databasePath());
    const QStringList problems = check.problems(false);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    for (auto it = stored.constBegin(); it != stored.constEnd(); ++it) {
        QCOMPARE(check.value(QStringLiteral("SELECT mode_id||'|'||end_reason||'|'||started_at||'|'"
                                            "||ended_at FROM game_records WHERE id=?"),
                             {it.key()})
                         .toString(),
                 QStringList({it->modeId, it->endReason, it->startedAt, it->endedAt})
                         .join(QLatin1Char('|')));
    }
}

QTEST_GUILESS_MAIN(BadInputTest)
#include "tst_badinput.moc"

#include "game/gamesession.h"
#include "game/gamesimulation.h"
#include "game/randomgenerator.h"
#include "game/replay.h"
#include "game/replaycursor.h"
#include "game/runsnapshot.h"
#include "game/runsummary.h"
#include "testsupport.h"

#include <QSignalSpy>

namespace {

const qint64 Frame = 1000000000LL / 60;

// A run played through the session as the page plays it, with taps at
// scattered steps drawn from the seed: now and then two taps in one step, now
// and then a long wait. `climb` steps of the autopilot first; `abandonAt` > 0
// leaves the run at that step. The session ends holding the run.
void play(GameSession &session, quint64 seed, int climb, qint64 abandonAt = 0)
{
    session.prepare(QStringLiteral("endless"), QStringLiteral("run"), QString::number(seed));
    if (climb > 0)
        session.autoplay(climb);
    RandomGenerator random(seed);
    while (session.state() == GameSession::Ready || session.state() == GameSession::Running) {
        if (abandonAt > 0 && session.simulation().stepCount() >= abandonAt) {
            session.abandon();
            break;
        }
        session.jump(random.chance(500) ? 1 : -1);
        if (random.chance(100))
            session.jump(random.chance(500) ? 1 : -1);
        session.advance(random.between(1, random.chance(50) ? 200 : 40));
    }
}

RunSummary summaryOf(const QVariantMap &snapshot)
{
    RunSummary run;
    if (!RunSummary::fromSnapshot(snapshot, run))
        qWarning("snapshot does not read");
    return run;
}

// A fixed run of today's rules; its figures and final world, as recorded.
const char GoldenCode[] = "HX1.AQEHZW5kbGVzc5P80wmGLwBvA2BhYGFgYWxzYWCBAWBhYGBxYXVwYWGD"
                          "AWB5YWBgYGFheJUBaGBhYWBhYGFge2BhYWBhYGFgYGFgYWBhYWBhYGFgYGBh"
                          "mQGFAWCBAWBhenBhYLkBZoYBqgJzrwFiY2LLAWNhqAFgcWBhYWBpYGuUAWCv"
                          "AYgBoQGOAbsBYKUBYWBgHi9pllE";

} // namespace

// Replays: the run the session records plays again to the same world, the
// forms it travels in refuse anything damaged, and the session plays a code
// back, or beside a new run as its ghost, as it happened. Also run under
// AArch64 emulation for the golden replay.
class tst_Replay : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<int>("climb");
        QTest::addColumn<qint64>("abandonAt");
        QTest::addColumn<quint64>("tower");
        for (quint64 seed = 1; seed <= 24; ++seed) {
            const quint64 tower = RandomGenerator::mix(seed);
            const QByteArray number = QByteArray::number(seed);
            QTest::newRow("scripted " + number) << 0 << qint64(0) << tower;
            if (seed % 3 == 0)
                QTest::newRow("climbed " + number) << int(600 + 200 * seed) << qint64(0) << tower;
            if (seed % 4 == 0)
                QTest::newRow("abandoned " + number) << int(200 + 30 * seed) << qint64(1) << tower;
        }
    }

    void roundTrip()
    {
        QFETCH(int, climb);
        QFETCH(qint64, abandonAt);
        QFETCH(quint64, tower);
        GameSession session;
        QSignalSpy ended(&session, &GameSession::runEnded);
        play(session, tower, climb, abandonAt);
        QCOMPARE(ended.count(), 1);
        const RunSummary run = summaryOf(ended.first().first().toMap());
        QVERIFY(run.hasReplay);
        if (abandonAt > 0)
            QCOMPARE(run.endReason, QStringLiteral("abandoned"));

        Replay replay;
        QString error;
        QVERIFY2(Replay::decode(run.replay, replay, &error), qPrintable(error));
        QCOMPARE(replay.seed, tower);
        QCOMPARE(replay.steps, session.simulation().stepCount());
        QVERIFY2(replay.matches(run, &error), qPrintable(error));
        QVariantMap expected = session.lastSnapshot();
        expected.remove(RunSnapshot::Replay);
        QCOMPARE(replay.replayed(run.id, run.startedAt, run.endedAt).toSnapshot(), expected);

        // The code carries the same replay, and the cursor plays it to the
        // same world, bit for bit.
        Replay fromCode;
        QVERIFY(Replay::fromCode(session.lastCode(), fromCode));
        QCOMPARE(fromCode.encode(), run.replay);
        GameSimulation again(fromCode.seed);
        ReplayCursor cursor(fromCode);
        while (cursor.pending(again))
            cursor.step(again);
        QCOMPARE(again.stateHash(), session.simulation().stateHash());
        QCOMPARE(again.stepCount(), session.simulation().stepCount());
    }

    void refusals()
    {
        GameSession session;
        play(session, 77, 0);
        const QString code = session.lastCode();
        Replay whole;
        QVERIFY(Replay::fromCode(code, whole));
        const QByteArray bytes = whole.encode();

        Replay kept;
        kept.seed = 4242;
        const QByteArray untouched = kept.encode();
        // Cut short anywhere, the stored form and the code are refused.
        for (int size = 0; size < bytes.size(); ++size)
            QVERIFY2(!Replay::decode(bytes.left(size), kept), qPrintable(QString::number(size)));
        for (int size = 0; size < code.size(); ++size)
            QVERIFY2(!Replay::fromCode(code.left(size), kept), qPrintable(QString::number(size)));
        // Any one bit of the code's payload flipped: the checksum refuses it.
        // The stored form has no checksum; a flip there decodes or not, but
        // never crashes and never reads past the end.
        const QByteArray payload
                = QByteArray::fromBase64(code.mid(4).toLatin1(), QByteArray::Base64UrlEncoding);
        for (int bit = 0; bit < payload.size() * 8; ++bit) {
            QByteArray flipped = payload;
            flipped[bit / 8] = char(flipped.at(bit / 8) ^ (1 << (bit % 8)));
            const QString damaged = QStringLiteral("HX1.")
                    + QString::fromLatin1(flipped.toBase64(QByteArray::Base64UrlEncoding
                                                           | QByteArray::OmitTrailingEquals));
            QVERIFY2(!Replay::fromCode(damaged, kept), qPrintable(QString::number(bit)));
            if (bit < bytes.size() * 8) {
                QByteArray raw = bytes;
                raw[bit / 8] = char(raw.at(bit / 8) ^ (1 << (bit % 8)));
                Replay any;
                Replay::decode(raw, any);
            }
        }
        QCOMPARE(kept.encode(), untouched);
    }

    void refusedForms_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        // format, rules, mode "endless", seed 5; then steps, flags, tap count,
        // taps ((delta << 1) | right), in hex.
        const QByteArray head = QByteArray::fromHex("0101") + char(7) + "endless" + char(5);
        const QByteArray sound = QByteArray::fromHex("6400020205");
        // clang-format off
        QTest::newRow("sound") << head + sound << "";
        QTest::newRow("other format") << QByteArray::fromHex("02") + head.mid(1) + sound << "otherVersion";
        QTest::newRow("other rules") << QByteArray::fromHex("0102") + head.mid(2) + sound << "otherRules";
        QTest::newRow("trailing bytes") << head + sound + QByteArray::fromHex("00") << "damaged";
        QTest::newRow("huge tap count") << head + QByteArray::fromHex("6400ffffffff0f02") << "damaged";
        QTest::newRow("count beyond the bytes") << head + QByteArray::fromHex("64000302") << "damaged";
        QTest::newRow("tap beyond the end") << head + QByteArray::fromHex("0a000116") << "damaged";
        QTest::newRow("two taps in a step") << head + QByteArray::fromHex("6400020201") << "damaged";
        QTest::newRow("unknown flag") << head + QByteArray::fromHex("640400") << "damaged";
        QTest::newRow("overlong varint") << head + QByteArray::fromHex("ffffffffffffffffffff01") << "damaged";
        QTest::newRow("length out of range") << head + QByteArray::fromHex("ffffffff0f0000") << "damaged";
        QTest::newRow("mode too long") << QByteArray::fromHex("010121") + QByteArray(33, 'a') << "damaged";
        // clang-format on
    }

    void refusedForms()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        // As a code, with a sound checksum: what is refused is the content.
        quint32 crc = 0xffffffffu;
        for (const char c : bytes) {
            crc ^= quint8(c);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
        crc = ~crc;
        QByteArray payload = bytes;
        for (int shift = 24; shift >= 0; shift -= 8)
            payload.append(char(quint8(crc >> shift)));
        const QString code = QStringLiteral("HX1.")
                + QString::fromLatin1(payload.toBase64(QByteArray::Base64UrlEncoding
                                                       | QByteArray::OmitTrailingEquals));
        Replay replay;
        QCOMPARE(GameSession::readCode(code, replay), problem);
        QCOMPARE(Replay::decode(bytes, replay), problem.isEmpty() || problem == "otherRules");
    }

    void codeProblems_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("problem");
        QTest::newRow("golden") << GoldenCode << "";
        QTest::newRow("pasted with breaks")
                << QString(GoldenCode).insert(10, "\n  ").insert(4, ' ') << "";
        QTest::newRow("empty") << ""
                               << "notCode";
        QTest::newRow("foreign") << "https://example.org/run/12"
                                 << "notCode";
        QTest::newRow("newer version") << "HX2.AQEHZW5kbGVzcw"
                                       << "otherVersion";
        QTest::newRow("bad characters") << QString(GoldenCode).replace(8, 1, "*") << "damaged";
        QTest::newRow("prefix alone") << "HX1."
                                      << "damaged";
    }

    void codeProblems()
    {
        QFETCH(QString, code);
        QFETCH(QString, problem);
        GameSession session;
        session.prepare("endless", "run", "12");
        QSignalSpy state(&session, &GameSession::stateChanged);
        QCOMPARE(session.watch(code), problem);
        QCOMPARE(session.watching(), problem.isEmpty());
        // A refused code leaves the prepared tower as it was.
        if (!problem.isEmpty()) {
            QCOMPARE(session.setGhost(code), problem);
            QCOMPARE(state.count(), 0);
            QCOMPARE(session.simulation().seed(), quint64(12));
            QVERIFY(!session.ghostActive());
        }
    }

    void golden()
    {
        // Today's rules play this code to these figures and this world on
        // every machine; a change of the rules shows here first (and then
        // needs a new rules version).
        Replay replay;
        QVERIFY(Replay::fromCode(GoldenCode, replay));
        QCOMPARE(replay.steps, qint64(6022));
        QCOMPARE(replay.taps.size(), 111);
        const RunSummary run = replay.replayed("golden", "", "");
        QCOMPARE(run.endReason, QStringLiteral("block"));
        QCOMPARE(run.score, 305);
        QCOMPARE(run.jumpCount, 111);
        GameSimulation sim(replay.seed);
        ReplayCursor cursor(replay);
        while (cursor.pending(sim))
            cursor.step(sim);
        QCOMPARE(sim.stateHash(), Q_UINT64_C(0x8a10e291f9233330));
    }

    void watching_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("skip");
        QTest::newRow("1x") << 1 << false;
        QTest::newRow("2x") << 2 << false;
        QTest::newRow("4x") << 4 << false;
        QTest::newRow("skipped") << 1 << true;
    }

    void watching()
    {
        QFETCH(int, speed);
        QFETCH(bool, skip);
        Replay replay;
        QVERIFY(Replay::fromCode(GoldenCode, replay));
        const RunSummary run = replay.replayed("golden", "", "");

        GameSession session;
        QSignalSpy ended(&session, &GameSession::runEnded);
        QSignalSpy jumped(&session, &GameSession::jumped);
        QCOMPARE(session.watch(GoldenCode), QString());
        session.setPlaybackSpeed(speed);
        QCOMPARE(session.state(), GameSession::Running);
        // The player's taps have no say in a watched run.
        session.jump(1);
        session.jump(-1);
        int frames = 0;
        qint64 time = 0;
        session.frame(time);
        if (skip) {
            session.frame(time += Frame);
            session.skipToEnd();
        }
        while (session.state() == GameSession::Running && frames < 100000) {
            session.frame(time += Frame);
            ++frames;
            QVERIFY(session.stepFraction() >= 0 && session.stepFraction() <= 1);
        }
        QCOMPARE(session.state(), GameSession::Over);
        QCOMPARE(session.score(), run.score);
        QCOMPARE(session.endReason(), run.endReason);
        QCOMPARE(session.jumpCount(), run.jumpCount);
        // Never handed on for settlement, and a code to share all the same.
        QCOMPARE(ended.count(), 0);
        QVERIFY(session.lastSnapshot().isEmpty());
        QCOMPARE(session.lastCode(), replay.toCode());
        if (skip) {
            QCOMPARE(frames, 0);
            QVERIFY(jumped.count() < 3);
        } else {
            // Two steps a frame at 60 Hz, times the speed.
            QVERIFY(qAbs(frames - int(replay.steps / (2 * speed))) <= 2);
            QCOMPARE(jumped.count(), run.jumpCount);
        }
    }

    void ghost()
    {
        GameSession first;
        play(first, 31337, 0);
        const QString code = first.lastCode();

        // The same taps again, with the first run as the ghost: the ghost is
        // where the player is at every step, drawn as the player is.
        GameSession session;
        session.prepare("endless", "again", "5");
        QCOMPARE(session.setGhost(code), QString());
        QCOMPARE(session.simulation().seed(), quint64(31337));
        QVERIFY(session.ghostActive());
        Replay replay;
        QVERIFY(Replay::fromCode(code, replay));
        int next = 0;
        qint64 time = 0;
        int apart = 0;
        int moved = 0;
        double lastY = session.drawnGhostY();
        while (session.state() != GameSession::Over && time < Frame * 100000) {
            // Taps land just before the frame that takes their step.
            const qint64 step = session.simulation().stepCount() + 1;
            if (next < replay.taps.size() && replay.taps.at(next).step == step)
                session.jump(replay.taps.at(next++).side);
            session.frame(time);
            time += Frame / 2;
            if (session.drawnGhostX() != session.drawnPlayerX()
                || session.drawnGhostY() != session.drawnPlayerY())
                ++apart;
            if (session.drawnGhostY() != lastY)
                ++moved;
            lastY = session.drawnGhostY();
        }
        QCOMPARE(apart, 0);
        QVERIFY(moved > 100);
        QCOMPARE(session.ghostScore(), session.score());
        QVERIFY(session.ghostOver());
        // Once the run has started, a ghost is not set.
        session.prepare("endless", "later", "5");
        session.jump(1);
        QCOMPARE(session.setGhost(code), QStringLiteral("notReady"));
    }
};

QTEST_GUILESS_MAIN(tst_Replay)
#include "tst_replay.moc"

#include "game/replay.h"

#include "game/gamesimulation.h"
#include "game/replaycursor.h"

#include <QRegExp>

// The stored form, all integers as unsigned LEB128 varints:
//   format (1), rules, mode id length and its UTF-8 bytes, seed, steps,
//   flags (1: abandoned), tap count, then per tap
//   (steps since the previous tap << 1) | (1 for right, 0 for left).
// Taps come at most one a step, so every delta is at least 1.
//
// A code is "HX1." followed by the stored form and its CRC-32 (big endian)
// in URL-safe base64 without padding.

namespace {

const quint8 Format = 1;
const quint8 AbandonedFlag = 1;
const QLatin1String CodePrefix("HX1.");

void putVarint(QByteArray &out, quint64 value)
{
    while (value >= 0x80) {
        out.append(char(quint8(value) | 0x80));
        value >>= 7;
    }
    out.append(char(value));
}

class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : m_data(reinterpret_cast<const quint8 *>(bytes.constData()))
        , m_size(bytes.size())
    { }

    bool varint(quint64 &value)
    {
        value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (m_pos >= m_size)
                return false;
            const quint8 byte = m_data[m_pos++];
            const quint64 bits = byte & 0x7f;
            // The tenth byte may only carry the last bit of 64.
            if (shift == 63 && bits > 1)
                return false;
            value |= bits << shift;
            if (!(byte & 0x80))
                return true;
        }
        return false;
    }

    bool bytes(int count, QByteArray &out)
    {
        if (count < 0 || count > m_size - m_pos)
            return false;
        out = QByteArray(reinterpret_cast<const char *>(m_data + m_pos), count);
        m_pos += count;
        return true;
    }

    int left() const { return m_size - m_pos; }

private:
    const quint8 *m_data;
    int m_size;
    int m_pos = 0;
};

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

} // namespace

QByteArray Replay::encode() const
{
    QByteArray out;
    out.reserve(32 + taps.size() * 2);
    out.append(char(Format));
    putVarint(out, rules);
    const QByteArray mode = modeId.toUtf8();
    putVarint(out, quint64(mode.size()));
    out.append(mode);
    putVarint(out, seed);
    putVarint(out, quint64(qMax<qint64>(0, steps)));
    out.append(char(abandoned ? AbandonedFlag : 0));
    putVarint(out, quint64(taps.size()));
    qint64 previous = 0;
    for (const Tap &tap : taps) {
        putVarint(out, (quint64(tap.step - previous) << 1) | (tap.side > 0 ? 1u : 0u));
        previous = tap.step;
    }
    return out;
}

bool Replay::decode(const QByteArray &bytes, Replay &replay, QString *error)
{
    Reader in(bytes);
    QByteArray format;
    if (!in.bytes(1, format))
        return fail(error, QStringLiteral("empty replay"));
    if (quint8(format.at(0)) != Format)
        return fail(error, QStringLiteral("unknown replay format %1").arg(quint8(format.at(0))));

    Replay read;
    quint64 value = 0;
    if (!in.varint(value) || value == 0 || value > 0xffffffffu)
        return fail(error, QStringLiteral("replay without a rules version"));
    read.rules = quint32(value);

    QByteArray mode;
    if (!in.varint(value) || value > quint64(MaxModeIdLength) || !in.bytes(int(value), mode))
        return fail(error, QStringLiteral("replay without a mode"));
    read.modeId = QString::fromUtf8(mode);
    if (read.modeId.toUtf8() != mode)
        return fail(error, QStringLiteral("replay's mode is not text"));

    if (!in.varint(read.seed))
        return fail(error, QStringLiteral("replay without a seed"));
    if (!in.varint(value) || value > quint64(MaxSteps))
        return fail(error, QStringLiteral("replay's length is out of range"));
    read.steps = qint64(value);

    QByteArray flags;
    if (!in.bytes(1, flags) || (quint8(flags.at(0)) & ~AbandonedFlag) != 0)
        return fail(error, QStringLiteral("replay's flags are unknown"));
    read.abandoned = quint8(flags.at(0)) & AbandonedFlag;

    // Every tap takes at least a byte: a count beyond what is left is a
    // damaged replay, refused before anything is allocated for it.
    if (!in.varint(value) || value > quint64(MaxTaps) || value > quint64(in.left()))
        return fail(error, QStringLiteral("replay's tap count is out of range"));
    read.taps.reserve(int(value));
    qint64 step = 0;
    for (quint64 i = 0; i < value; ++i) {
        quint64 packed = 0;
        if (!in.varint(packed))
            return fail(error, QStringLiteral("replay is cut short"));
        const quint64 delta = packed >> 1;
        if (delta == 0 || delta > quint64(read.steps - step))
            return fail(error, QStringLiteral("replay's taps are out of order"));
        step += qint64(delta);
        read.taps.append({step, qint8((packed & 1) ? 1 : -1)});
    }
    if (in.left() != 0)
        return fail(error, QStringLiteral("replay has trailing bytes"));
    replay = read;
    return true;
}

QString Replay::toCode() const
{
    QByteArray payload = encode();
    const quint32 crc = crc32(payload);
    for (int shift = 24; shift >= 0; shift -= 8)
        payload.append(char(quint8(crc >> shift)));
    return CodePrefix
            + QString::fromLatin1(payload.toBase64(QByteArray::Base64UrlEncoding
                                                   | QByteArray::OmitTrailingEquals));
}

bool Replay::fromCode(const QString &code, Replay &replay, QString *error)
{
    QString text = code;
    text.remove(QRegExp(QStringLiteral("\\s")));
    if (!text.startsWith(CodePrefix))
        return fail(error, QStringLiteral("not a Hoplix run code"));
    const QString body = text.mid(CodePrefix.size());
    // fromBase64 skips what it does not know; a code must be all base64.
    if (body.isEmpty() || body.contains(QRegExp(QStringLiteral("[^A-Za-z0-9_-]"))))
        return fail(error, QStringLiteral("the code has characters a run code never has"));
    QByteArray payload = QByteArray::fromBase64(body.toLatin1(), QByteArray::Base64UrlEncoding);
    if (payload.size() < 5)
        return fail(error, QStringLiteral("the code is cut short"));
    quint32 stored = 0;
    for (int i = payload.size() - 4; i < payload.size(); ++i)
        stored = (stored << 8) | quint8(payload.at(i));
    payload.chop(4);
    if (crc32(payload) != stored)
        return fail(error, QStringLiteral("the code is damaged or incomplete"));
    return decode(payload, replay, error);
}

RunSummary Replay::replayed(const QString &id, const QString &startedAt,
                            const QString &endedAt) const
{
    GameSimulation simulation(seed);
    ReplayCursor cursor(*this);
    while (cursor.pending(simulation))
        cursor.step(simulation);
    if (abandoned)
        simulation.abandon();
    return simulation.summary(id, modeId, startedAt, endedAt);
}

bool Replay::matches(const RunSummary &run, QString *error) const
{
    if (!isCurrentRules())
        return fail(error,
                    QStringLiteral("replay of rules version %1, this game plays %2")
                            .arg(rules)
                            .arg(CurrentRules));
    if (run.modeId != modeId)
        return fail(error, QStringLiteral("replay of another mode"));
    const RunSummary played = replayed(run.id, run.startedAt, run.endedAt);
    if (played.score != run.score || played.endReason != run.endReason
        || played.jumpCount != run.jumpCount
        || played.maxSectionJumpCount != run.maxSectionJumpCount
        || played.wallCollisionCount != run.wallCollisionCount
        || played.blockCollisionCount != run.blockCollisionCount)
        return fail(error, QStringLiteral("replay does not play to the run's figures"));
    return true;
}

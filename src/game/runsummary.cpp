#include "game/runsummary.h"

#include "game/runsnapshot.h"

#include <QRegExp>

#include <climits>
#include <cmath>

namespace {

// A text key that is absent or null still has to bind as '' rather than SQL
// NULL, which the NOT NULL columns refuse.
QString textValue(const QVariantMap &snapshot, const QString &key)
{
    QString text = snapshot.value(key).toString();
    if (text.isNull())
        text = QLatin1String("");
    return text;
}

// Reads one count of a run. Absent and null read 0. The toolkit's integer
// conversion wraps or zeroes values that do not fit (4294967301.0 gives 5,
// "2147483648" gives INT_MIN, 1e20 and NaN give 0, all reported as
// successful), which would store numbers the player never made; such values,
// and anything that is not a number at all, are refused instead. Numbers in
// range keep the toolkit's conversion, so 3.7 becomes 4.
bool countValue(const QVariantMap &snapshot, const QString &key, int &out)
{
    const QVariant value = snapshot.value(key);
    out = 0;
    if (value.isNull())
        return true;

    switch (static_cast<int>(value.type())) {
    case QMetaType::Double:
    case QMetaType::Float: {
        // Keep the toolkit's rounding away from values it cannot hold at all,
        // then see where it rounded to.
        const double number = value.toDouble();
        if (!std::isfinite(number) || std::fabs(number) > 4294967296.0)
            return false;
        const qlonglong rounded = value.toLongLong();
        if (rounded < INT_MIN || rounded > INT_MAX)
            return false;
        break;
    }
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        if (value.toULongLong() > static_cast<qulonglong>(INT_MAX))
            return false;
        break;
    default: {
        // Integers of every width, text and bool; lists, maps and anything
        // else without a conversion to a number fail here.
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        if (!ok || number < INT_MIN || number > INT_MAX)
            return false;
        break;
    }
    }
    out = value.toInt();
    return true;
}

// The replay travels as base64 text, which scripts and JSON carry. Anything
// else reads as no bytes at all, which no replay decodes from.
QByteArray replayValue(const QVariant &value)
{
    if (value.type() != QVariant::String)
        return QByteArray();
    const QString text = value.toString();
    if (text.contains(QRegExp(QStringLiteral("[^A-Za-z0-9+/=]"))))
        return QByteArray();
    return QByteArray::fromBase64(text.toLatin1());
}

} // namespace

QVariantMap RunSummary::toSnapshot() const
{
    QVariantMap snapshot{{RunSnapshot::Id, id},
                         {RunSnapshot::ModeId, modeId},
                         {RunSnapshot::Score, score},
                         {RunSnapshot::EndReason, endReason},
                         {RunSnapshot::StartedAt, startedAt},
                         {RunSnapshot::EndedAt, endedAt},
                         {RunSnapshot::DeathWorldY, deathWorldY},
                         {RunSnapshot::DeathWorldX, deathWorldX},
                         {RunSnapshot::JumpCount, jumpCount},
                         {RunSnapshot::MaxSectionJumpCount, maxSectionJumpCount},
                         {RunSnapshot::WallCollisionCount, wallCollisionCount},
                         {RunSnapshot::BlockCollisionCount, blockCollisionCount}};
    if (hasReplay)
        snapshot.insert(RunSnapshot::Replay, QString::fromLatin1(replay.toBase64()));
    return snapshot;
}

bool RunSummary::fromSnapshot(const QVariantMap &snapshot, RunSummary &run)
{
    run.id = idOf(snapshot);
    run.modeId = textValue(snapshot, RunSnapshot::ModeId);
    run.endReason = textValue(snapshot, RunSnapshot::EndReason);
    run.startedAt = textValue(snapshot, RunSnapshot::StartedAt);
    run.endedAt = textValue(snapshot, RunSnapshot::EndedAt);
    run.deathWorldY = snapshot.value(RunSnapshot::DeathWorldY);
    run.deathWorldX = snapshot.value(RunSnapshot::DeathWorldX);
    run.hasReplay = snapshot.contains(RunSnapshot::Replay);
    run.replay = run.hasReplay ? replayValue(snapshot.value(RunSnapshot::Replay)) : QByteArray();
    return countValue(snapshot, RunSnapshot::Score, run.score)
            && countValue(snapshot, RunSnapshot::JumpCount, run.jumpCount)
            && countValue(snapshot, RunSnapshot::MaxSectionJumpCount, run.maxSectionJumpCount)
            && countValue(snapshot, RunSnapshot::WallCollisionCount, run.wallCollisionCount)
            && countValue(snapshot, RunSnapshot::BlockCollisionCount, run.blockCollisionCount);
}

QString RunSummary::idOf(const QVariantMap &snapshot)
{
    return textValue(snapshot, RunSnapshot::Id);
}

#include "storage/gamerecord.h"

namespace {

// A null and an empty text compare equal in QString, but they bind differently:
// null becomes SQL NULL, which the NOT NULL text columns refuse. Treat them as
// different so that an empty text given by the caller is stored as ''.
bool sameValue(const QString &a, const QString &b)
{
    return a == b && a.isNull() == b.isNull();
}

bool sameValue(const QVariant &a, const QVariant &b)
{
    return a == b && a.isNull() == b.isNull();
}

} // namespace

GameRecord::GameRecord(QObject *parent)
    : QObject(parent)
{ }

void GameRecord::setComponentId(const QString &value)
{
    if (sameValue(m_componentId, value))
        return;
    m_componentId = value;
    emit componentIdChanged();
}

void GameRecord::setModeId(const QString &value)
{
    if (sameValue(m_modeId, value))
        return;
    m_modeId = value;
    emit modeIdChanged();
}

void GameRecord::setScore(int value)
{
    if (m_score == value)
        return;
    m_score = value;
    emit scoreChanged();
}

void GameRecord::setDeathWorldY(const QVariant &value)
{
    if (sameValue(m_deathWorldY, value))
        return;
    m_deathWorldY = value;
    emit deathWorldYChanged();
}

void GameRecord::setDeathWorldX(const QVariant &value)
{
    if (sameValue(m_deathWorldX, value))
        return;
    m_deathWorldX = value;
    emit deathWorldXChanged();
}

void GameRecord::setEndReason(const QString &value)
{
    if (sameValue(m_endReason, value))
        return;
    m_endReason = value;
    emit endReasonChanged();
}

void GameRecord::setStartedAt(const QString &value)
{
    if (sameValue(m_startedAt, value))
        return;
    m_startedAt = value;
    emit startedAtChanged();
}

void GameRecord::setEndedAt(const QString &value)
{
    if (sameValue(m_endedAt, value))
        return;
    m_endedAt = value;
    emit endedAtChanged();
}

void GameRecord::setCreatedAt(const QString &value)
{
    if (sameValue(m_createdAt, value))
        return;
    m_createdAt = value;
    emit createdAtChanged();
}

void GameRecord::setUpdatedAt(const QString &value)
{
    if (sameValue(m_updatedAt, value))
        return;
    m_updatedAt = value;
    emit updatedAtChanged();
}

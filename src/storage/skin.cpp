#include "storage/skin.h"

namespace {

// Null and empty texts bind differently (SQL NULL against ''), so a change
// between them counts as a change.
bool sameValue(const QString &a, const QString &b)
{
    return a == b && a.isNull() == b.isNull();
}

bool sameValue(bool a, bool b)
{
    return a == b;
}

} // namespace

Skin::Skin(QObject *parent)
    : QObject(parent)
{ }

void Skin::setComponentId(const QString &value)
{
    if (sameValue(m_componentId, value))
        return;
    m_componentId = value;
    emit componentIdChanged();
}

void Skin::setSkinId(const QString &value)
{
    if (sameValue(m_skinId, value))
        return;
    m_skinId = value;
    emit skinIdChanged();
}

void Skin::setSkinName(const QString &value)
{
    if (sameValue(m_skinName, value))
        return;
    m_skinName = value;
    emit skinNameChanged();
}

void Skin::setSkinPath(const QString &value)
{
    if (sameValue(m_skinPath, value))
        return;
    m_skinPath = value;
    emit skinPathChanged();
}

void Skin::setUnlocked(bool value)
{
    if (sameValue(m_unlocked, value))
        return;
    m_unlocked = value;
    emit unlockedChanged();
}

void Skin::setSelected(bool value)
{
    if (sameValue(m_selected, value))
        return;
    m_selected = value;
    emit selectedChanged();
}

void Skin::setCreatedAt(const QString &value)
{
    if (sameValue(m_createdAt, value))
        return;
    m_createdAt = value;
    emit createdAtChanged();
}

void Skin::setUpdatedAt(const QString &value)
{
    if (sameValue(m_updatedAt, value))
        return;
    m_updatedAt = value;
    emit updatedAtChanged();
}

#include "app/appsettings.h"

#include <QDebug>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

const char kEmptyKeyWarning[] = "[AppSettings] group and key must not be empty";

QString settingsDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
            + QStringLiteral("/config");
}

} // namespace

AppSettings::AppSettings(QObject *parent)
    : QObject(parent)
    , settings(nullptr)
{
    QDir().mkpath(settingsDirectory());
    settings = new QSettings(filePath(), QSettings::NativeFormat, this);
}

QString AppSettings::filePath()
{
    return settingsDirectory() + QStringLiteral("/appSettings.conf");
}

void AppSettings::setValue(const QString &group, const QString &key, const QVariant &value)
{
    if (group.isEmpty() || key.isEmpty()) {
        qWarning() << kEmptyKeyWarning;
        return;
    }
    settings->beginGroup(group);
    settings->setValue(key, value);
    settings->endGroup();
    // Written now rather than whenever QSettings would get to it, so a crash
    // or a kill right after the change loses nothing.
    settings->sync();
}

QVariant AppSettings::value(const QString &group, const QString &key, const QVariant &defaultValue)
{
    if (group.isEmpty() || key.isEmpty()) {
        qWarning() << kEmptyKeyWarning;
        return defaultValue;
    }
    settings->beginGroup(group);
    const QVariant stored = settings->value(key, defaultValue);
    settings->endGroup();

    // After a reload every value is text; the caller's default says which
    // type the front end expects back.
    switch (defaultValue.type()) {
    case QVariant::Bool:
        return QVariant(stored.toBool());
    case QVariant::Int:
        return QVariant(stored.toInt());
    default:
        return stored;
    }
}

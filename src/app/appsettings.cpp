#include "app/appsettings.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const char kEmptyKeyWarning[] = "[AppSettings] group and key must not be empty";

QString settingsDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
            + QStringLiteral("/config");
}

// QSettings guards its file with "<file>.lock" and waits for a lock it
// cannot read until the lock is 30 s old. A process killed between creating
// the lock and writing its id into it (or a power cut) leaves such a file
// behind, empty or torn. Only this application takes that lock, and it holds
// it for one write; the window in which another instance's fresh lock is
// still empty is a few instructions long, so an unreadable lock is an
// abandoned one. A readable lock of a dead process QSettings clears itself.
void clearAbandonedLock(const QString &lockPath)
{
    if (!QFileInfo::exists(lockPath))
        return;
    QLockFile lock(lockPath);
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application))
        return;
    if (lock.removeStaleLockFile())
        qWarning() << "[AppSettings] removed an abandoned lock:" << lockPath;
    else
        qWarning() << "[AppSettings] cannot remove an abandoned lock:" << lockPath;
}

// Syncs one file or directory; false with errno set when that fails.
bool syncPath(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    errno = error;
    return synced;
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
    clearAbandonedLock(filePath() + QStringLiteral(".lock"));
    settings->sync();
    // QSettings writes a new file and renames it over the old one. Neither
    // the data nor the rename need be on the disk when it returns; after a
    // power cut the directory could still name the old file. Synced here,
    // data first, so the change outlives a power cut as well.
    const QString file = settings->fileName();
    if (!syncPath(file) || !syncPath(QFileInfo(file).absolutePath()))
        qWarning() << "[AppSettings] sync to disk failed:" << std::strerror(errno);
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

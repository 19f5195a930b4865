#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include "storage/databaseconnection.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QVariant>
#include <QVariantMap>

#include <atomic>
#include <functional>
#include <memory>

// Gives a test its own configuration directory (database and settings), and
// drops the calling thread's connection so the next one opens there.
class TestStorage
{
public:
    TestStorage()
        : dir(new QTemporaryDir)
    {
        DatabaseConnection::closeConnection();
        qputenv("XDG_CONFIG_HOME", dir->path().toLocal8Bit());
    }
    ~TestStorage() { DatabaseConnection::closeConnection(); }

    QString path() const { return dir->path(); }
    QString databasePath() const
    {
        return configLocation() + QStringLiteral("/db/harbour-hoplix.db");
    }
    static QString configLocation();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

inline QString TestStorage::configLocation()
{
    return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + QLatin1Char('/')
            + QCoreApplication::organizationName() + QLatin1Char('/')
            + QCoreApplication::applicationName();
}

// Names as the application sets them, so the configuration location has the
// same shape as on a device.
inline void setTestApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("org.hoplix"));
    QCoreApplication::setApplicationName(QStringLiteral("harbour-Hoplix"));
}

// Runs one statement on the calling thread's connection; for arranging and
// inspecting rows directly.
inline QSqlQuery sql(const QString &text, const QVariantList &values = QVariantList())
{
    QSqlQuery query(DatabaseConnection::database());
    query.prepare(text);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        qWarning("sql failed: %s: %s", qPrintable(text), qPrintable(query.lastError().text()));
    return query;
}

inline QVariant sqlValue(const QString &text, const QVariantList &values = QVariantList())
{
    QSqlQuery query = sql(text, values);
    return query.next() ? query.value(0) : QVariant();
}

// Runs work on the calling thread and, at the same time, on a new thread with
// a connection of its own; true when both report success. The argument names
// the thread, for ids that must not collide.
inline bool onTwoThreads(const std::function<bool(const QString &)> &work)
{
    std::atomic<bool> otherOk(false);
    QThread *other = QThread::create([&] {
        otherOk = DatabaseConnection::initialize() && work(QStringLiteral("worker"));
        DatabaseConnection::closeConnection();
    });
    other->start();
    const bool ok = work(QStringLiteral("gui"));
    const bool finished = other->wait(120000);
    delete other;
    return ok && finished && otherOk;
}

// A finished run as the front end hands it over.
inline QVariantMap runSnapshot(const QVariant &id, const QVariant &score,
                               const QString &modeId = QStringLiteral("endless"),
                               const QString &endReason = QStringLiteral("wall"))
{
    return {{QStringLiteral("id"), id},
            {QStringLiteral("modeId"), modeId},
            {QStringLiteral("score"), score},
            {QStringLiteral("endReason"), endReason},
            {QStringLiteral("startedAt"), QStringLiteral("2025-01-31T08:00:00Z")},
            {QStringLiteral("endedAt"), QStringLiteral("2025-01-31T08:05:09Z")},
            {QStringLiteral("deathWorldY"), 12.5},
            {QStringLiteral("deathWorldX"), -3.25},
            {QStringLiteral("jumpCount"), 7},
            {QStringLiteral("maxSectionJumpCount"), 3},
            {QStringLiteral("wallCollisionCount"), 1},
            {QStringLiteral("blockCollisionCount"), 2}};
}

#endif // TESTSUPPORT_H

#ifndef DATABASECONNECTION_H
#define DATABASECONNECTION_H

#include <QObject>
#include <QSqlDatabase>
#include <QString>

// Hands every thread its own connection to the one database file. SQLite's
// file locking and the busy timeout arbitrate between the threads; nothing
// here is shared between them but the file.
class DatabaseConnection : public QObject
{
    Q_OBJECT
public:
    // The calling thread's connection, registered on first use, never opened here.
    static QSqlDatabase database();
    // The name the calling thread's connection is registered under.
    static QString connectionName();
    // Opens the calling thread's connection if needed and creates the tables
    // (once per connection, and again after the schema changed underneath).
    static bool initialize();
    // Runs SQLite's quick check on the calling thread's open connection and
    // logs what it finds unless the database is sound; true when it is.
    static bool checkForDamage();
    // Closes and unregisters the calling thread's connection, if it has one.
    static void closeConnection();
    // The current UTC time as every table stores it: ISO 8601, whole seconds,
    // a trailing "Z" (2025-01-31T08:05:09Z).
    static QString timestamp();

private:
    DatabaseConnection() = delete;
    // Journal and sync mode of a freshly opened connection, so that every
    // commit is on the disk before it returns.
    static bool setDurability(const QSqlDatabase &db);
    // SQLite's schema version of the file as the calling thread's connection
    // reads it, -1 when it cannot be read.
    static int schemaVersion();
};

#endif // DATABASECONNECTION_H

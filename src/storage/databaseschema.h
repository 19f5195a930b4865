#ifndef DATABASESCHEMA_H
#define DATABASESCHEMA_H

#include <QSqlDatabase>

// The additions to the three base tables, as ordered steps, with the number
// of the last one applied kept in the file's "PRAGMA user_version". Version 0
// is a file holding only the base tables (or one written before the number
// was kept); step n brings a file from n-1 to n, in one transaction with the
// new number. A step that fails leaves the file at the step before, still
// usable, and is tried again on the next open. A file whose number is above
// the last step known here was written by a later version: nothing is added
// to it and its number is never lowered.
//
// Adding a step: write its function (idempotent, run inside the caller's
// transaction, false on failure) and append it to the list in the source.
class DatabaseSchema
{
public:
    // The version this program brings a file to.
    static int latestVersion();
    // The file's version on this connection; -1 when it cannot be read.
    static int version(const QSqlDatabase &db);
    // Applies the steps the file lacks on the open connection.
    static void upgrade(const QSqlDatabase &db);

private:
    DatabaseSchema() = delete;
};

#endif // DATABASESCHEMA_H

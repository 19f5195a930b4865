#ifndef SQLTEXT_H
#define SQLTEXT_H

#include <QString>

// SQL in this code base is written laid out over several lines, as one reads
// it; these turn the layout into the one-line text that SQLite is given. Each
// line break drops the indentation that follows it, so what the database
// stores and runs is the same text whatever the layout (the table definitions
// land in sqlite_master as written, and older files were created with the
// one-line form).
class SqlText
{
public:
    // A statement: every line break with its indentation stands for one space.
    static QString statement(const char *laidOut);
    // A table definition, one column per line: the line breaks stand for
    // nothing, so the comma at the end of a line is the whole separator.
    static QString definition(const char *laidOut);

private:
    SqlText() = delete;
    static QString join(const char *laidOut, const QString &separator);
};

#endif // SQLTEXT_H

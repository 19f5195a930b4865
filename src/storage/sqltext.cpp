#include "storage/sqltext.h"

#include <QStringList>

QString SqlText::statement(const char *laidOut)
{
    return join(laidOut, QStringLiteral(" "));
}

QString SqlText::definition(const char *laidOut)
{
    return join(laidOut, QString());
}

QString SqlText::join(const char *laidOut, const QString &separator)
{
    QStringList lines = QString::fromUtf8(laidOut).split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.join(separator);
}

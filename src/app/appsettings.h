#ifndef APPSETTINGS_H
#define APPSETTINGS_H

#include <QObject>
#include <QString>
#include <QVariant>

class QSettings;

// The player's settings in an INI file under the configuration location.
// GUI thread only.
class AppSettings : public QObject
{
    Q_OBJECT
public:
    explicit AppSettings(QObject *parent = nullptr);

    // Where the settings live; start-up reads the language from the same file.
    static QString filePath();

    Q_INVOKABLE void setValue(const QString &group, const QString &key, const QVariant &value);
    Q_INVOKABLE QVariant value(const QString &group, const QString &key,
                               const QVariant &defaultValue = QVariant());

private:
    QSettings *settings;
};

#endif // APPSETTINGS_H

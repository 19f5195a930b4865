#ifndef FRONTENDSETTINGS_H
#define FRONTENDSETTINGS_H

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class ApplicationCore;

// The settings the front end uses, typed, written through the facade at once
// and read back at every start. The language stays where start-up reads it
// (group "APP_SETTING", key "LANGUAGE"); the rest live in group "FRONTEND".
class FrontEndSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ApplicationCore *core READ core WRITE setCore NOTIFY coreChanged)
    // 0 follows the system; takes effect at the next start.
    Q_PROPERTY(int languageIndex READ languageIndex WRITE setLanguageIndex NOTIFY changed)
    Q_PROPERTY(bool soundEnabled READ soundEnabled WRITE setSoundEnabled NOTIFY changed)
    // 0 to 1.
    Q_PROPERTY(qreal soundVolume READ soundVolume WRITE setSoundVolume NOTIFY changed)
    Q_PROPERTY(bool vibrationEnabled READ vibrationEnabled WRITE setVibrationEnabled NOTIFY changed)
    Q_PROPERTY(bool reducedMotion READ reducedMotion WRITE setReducedMotion NOTIFY changed)
public:
    explicit FrontEndSettings(QObject *parent = nullptr);

    ApplicationCore *core() const { return facade.data(); }
    void setCore(ApplicationCore *core);

    int languageIndex() const;
    void setLanguageIndex(int index);
    bool soundEnabled() const;
    void setSoundEnabled(bool enabled);
    qreal soundVolume() const;
    void setSoundVolume(qreal volume);
    bool vibrationEnabled() const;
    void setVibrationEnabled(bool enabled);
    bool reducedMotion() const;
    void setReducedMotion(bool reduced);

signals:
    void coreChanged();
    void changed();

private:
    QVariant read(const char *group, const char *key, const QVariant &defaultValue) const;
    void write(const char *group, const char *key, const QVariant &value);
    void onSettingWritten(const QString &group);

    QPointer<ApplicationCore> facade;
};

#endif // FRONTENDSETTINGS_H

#include "app/frontendsettings.h"

#include "app/applicationcore.h"
#include "app/localchanges.h"

namespace {

const char kAppGroup[] = "APP_SETTING";
const char kFrontEndGroup[] = "FRONTEND";
// What start-up falls back to as well: English.
const int kDefaultLanguage = 2;
const qreal kDefaultVolume = 0.8;

} // namespace

FrontEndSettings::FrontEndSettings(QObject *parent)
    : QObject(parent)
{
    connect(LocalChanges::instance(), &LocalChanges::settingWritten, this,
            &FrontEndSettings::onSettingWritten);
}

void FrontEndSettings::setCore(ApplicationCore *core)
{
    if (core == facade)
        return;
    facade = core;
    emit coreChanged();
    emit changed();
}

QVariant FrontEndSettings::read(const char *group, const char *key,
                                const QVariant &defaultValue) const
{
    if (!facade)
        return defaultValue;
    return facade->appSetting(QLatin1String(group), QLatin1String(key), defaultValue);
}

void FrontEndSettings::write(const char *group, const char *key, const QVariant &value)
{
    // The facade announces the write, which tells every reader.
    if (facade)
        facade->setAppSetting(QLatin1String(group), QLatin1String(key), value);
}

void FrontEndSettings::onSettingWritten(const QString &group)
{
    if (group == QLatin1String(kAppGroup) || group == QLatin1String(kFrontEndGroup))
        emit changed();
}

int FrontEndSettings::languageIndex() const
{
    return read(kAppGroup, "LANGUAGE", kDefaultLanguage).toInt();
}

void FrontEndSettings::setLanguageIndex(int index)
{
    write(kAppGroup, "LANGUAGE", index);
}

bool FrontEndSettings::soundEnabled() const
{
    return read(kFrontEndGroup, "soundEnabled", true).toBool();
}

void FrontEndSettings::setSoundEnabled(bool enabled)
{
    write(kFrontEndGroup, "soundEnabled", enabled);
}

qreal FrontEndSettings::soundVolume() const
{
    return qBound(qreal(0), read(kFrontEndGroup, "soundVolume", kDefaultVolume).toReal(), qreal(1));
}

void FrontEndSettings::setSoundVolume(qreal volume)
{
    write(kFrontEndGroup, "soundVolume", qBound(qreal(0), volume, qreal(1)));
}

bool FrontEndSettings::vibrationEnabled() const
{
    return read(kFrontEndGroup, "vibrationEnabled", true).toBool();
}

void FrontEndSettings::setVibrationEnabled(bool enabled)
{
    write(kFrontEndGroup, "vibrationEnabled", enabled);
}

bool FrontEndSettings::reducedMotion() const
{
    return read(kFrontEndGroup, "reducedMotion", false).toBool();
}

void FrontEndSettings::setReducedMotion(bool reduced)
{
    write(kFrontEndGroup, "reducedMotion", reduced);
}

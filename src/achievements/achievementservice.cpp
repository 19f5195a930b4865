#include "achievements/achievementservice.h"

#include "achievements/achievementdao.h"

#include <QDebug>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace {

const char kCatalogue[] = ":/assets/achievements.json";
const char kDefaultSkinResource[] = ":/assets/skins/default.png";
const char kSkinUrlPrefix[] = "qrc:/assets/skins/";
// Anchored with \z, the very end: "$" would also match before a final
// newline and let "abc\n" through.
const char kIdentifierPattern[] = "^[a-z][a-z0-9_]*\\z";

bool isWholeNumber(const QJsonValue &value)
{
    return value.isDouble() && Achievement::isWholeNumber(value.toDouble());
}

int toInt(const QJsonValue &value)
{
    return int(value.toDouble());
}

} // namespace

AchievementService::AchievementService(AchievementDao *dao, QObject *parent)
    : QObject(parent)
    , dao(dao)
    , initialized(false)
{ }

bool AchievementService::upsertAchievement(const Achievement &achievement)
{
    if (!dao || !achievement.isValid())
        return false;
    return dao->upsertPreset(achievement);
}

bool AchievementService::updateProgress(const QString &code, int progress)
{
    if (progress < 0 || !dao)
        return false;
    return dao->updateProgress(code, progress);
}

bool AchievementService::parseCatalogue(const QByteArray &json, QList<Achievement> &presets,
                                        QVariantMap &rewardSkins)
{
    presets.clear();
    rewardSkins.clear();

    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return false;
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("version")).toDouble(-1) != 1)
        return false;
    const QJsonValue entries = root.value(QLatin1String("achievements"));
    if (!entries.isArray() || entries.toArray().isEmpty())
        return false;
    if (!QFile::exists(QLatin1String(kDefaultSkinResource)))
        return false;

    const QRegularExpression identifier(QString::fromLatin1(kIdentifierPattern));
    QSet<QString> seenCodes;
    QList<Achievement> parsed;
    QVariantMap skins;

    for (const QJsonValue &entry : entries.toArray()) {
        if (!entry.isObject())
            return false;
        const QJsonObject object = entry.toObject();
        for (const char *key : {"condition_type", "target_value", "window_seconds", "sort_order"}) {
            if (!isWholeNumber(object.value(QLatin1String(key))))
                return false;
        }
        if (!object.value(QLatin1String("parameters")).isObject())
            return false;
        if (!object.value(QLatin1String("show_condition")).isBool()
            || !object.value(QLatin1String("is_enabled")).isBool())
            return false;

        Achievement a;
        a.code = object.value(QLatin1String("code")).toString();
        a.conditionType = toInt(object.value(QLatin1String("condition_type")));
        a.targetValue = toInt(object.value(QLatin1String("target_value")));
        a.windowSeconds = toInt(object.value(QLatin1String("window_seconds")));
        a.parameters = object.value(QLatin1String("parameters")).toObject().toVariantMap();
        a.showCondition = object.value(QLatin1String("show_condition")).toBool();
        a.enabled = object.value(QLatin1String("is_enabled")).toBool();
        a.sortOrder = toInt(object.value(QLatin1String("sort_order")));
        a.rewardSkinId = object.value(QLatin1String("reward_skin_id")).toString();
        const QString path = object.value(QLatin1String("reward_skin_path")).toString();

        if (!a.isValid() || !identifier.match(a.code).hasMatch())
            return false;
        if (!identifier.match(a.rewardSkinId).hasMatch()
            || a.rewardSkinId == QLatin1String("default"))
            return false;
        if (seenCodes.contains(a.code) || skins.contains(a.rewardSkinId))
            return false;
        // The path must name this skin's own image, and the image must be compiled in.
        if (path != QLatin1String(kSkinUrlPrefix) + a.rewardSkinId + QLatin1String(".png")
            || !QFile::exists(path.mid(3)))
            return false;

        seenCodes.insert(a.code);
        skins.insert(a.rewardSkinId, path);
        parsed.append(a);
    }

    presets = parsed;
    rewardSkins = skins;
    return true;
}

bool AchievementService::initializePresets()
{
    initialized = false;
    if (!dao)
        return false;
    // The catalogue is compiled in and never changes while the program runs:
    // it is read and checked once, by whichever thread comes first, and every
    // later import (one before each settlement) writes the same result.
    struct Catalogue
    {
        bool valid = false;
        QList<Achievement> presets;
        QVariantMap rewardSkins;
    };
    static const Catalogue catalogue = [] {
        Catalogue parsed;
        QFile file(QString::fromLatin1(kCatalogue));
        parsed.valid = file.open(QIODevice::ReadOnly)
                && parseCatalogue(file.readAll(), parsed.presets, parsed.rewardSkins);
        return parsed;
    }();
    if (!catalogue.valid)
        return false;

    initialized = dao->importPresets(catalogue.presets, catalogue.rewardSkins);
    if (!initialized)
        qWarning() << "[AchievementService] preset initialization failed";
    return initialized;
}

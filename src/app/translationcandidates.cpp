#include "app/translationcandidates.h"

namespace {

const char kFallback[] = "en_US";

// The shipped translation that stands for a locale's language, or an empty
// text when there is none for it.
QString mappedLanguage(const QString &language)
{
    if (language == QLatin1String("zh"))
        return QStringLiteral("zh_CN");
    if (language == QLatin1String("en"))
        return QLatin1String(kFallback);
    static const char *const ownFiles[] = {"de", "fr", "es", "ja", "ru"};
    for (const char *code : ownFiles) {
        if (language == QLatin1String(code))
            return language;
    }
    return QString();
}

} // namespace

QStringList TranslationCandidates::forIndex(int index, const QString &systemLocaleName)
{
    QStringList candidates;
    switch (index) {
    case 0: {
        const int separator = systemLocaleName.indexOf(QLatin1Char('_'));
        const QString language
                = separator < 0 ? systemLocaleName : systemLocaleName.left(separator);
        candidates << systemLocaleName;
        const QString mapped = mappedLanguage(language);
        if (!mapped.isEmpty())
            candidates << mapped;
        break;
    }
    case 1:
        candidates << QStringLiteral("zh_CN");
        break;
    case 2:
        candidates << QLatin1String(kFallback);
        break;
    case 3:
        candidates << QStringLiteral("de");
        break;
    case 4:
        candidates << QStringLiteral("fr");
        break;
    case 5:
        candidates << QStringLiteral("es");
        break;
    case 6:
        candidates << QStringLiteral("ja");
        break;
    case 7:
        candidates << QStringLiteral("ru");
        break;
    default:
        break;
    }
    candidates << QLatin1String(kFallback);
    return candidates;
}

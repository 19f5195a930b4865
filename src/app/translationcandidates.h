#ifndef TRANSLATIONCANDIDATES_H
#define TRANSLATIONCANDIDATES_H

#include <QObject>
#include <QString>
#include <QStringList>

// The language codes start-up tries, in order, for a stored language index.
class TranslationCandidates : public QObject
{
    Q_OBJECT
public:
    // Index 0 follows the system locale (its name, such as de_AT); 1 to 7 are
    // fixed languages; anything else is English only. Repeats are kept.
    static QStringList forIndex(int index, const QString &systemLocaleName);

private:
    TranslationCandidates() = delete;
};

#endif // TRANSLATIONCANDIDATES_H

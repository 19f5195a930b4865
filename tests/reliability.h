#ifndef RELIABILITY_H
#define RELIABILITY_H

// Helpers shared by the reliability tests: an independent check of what a
// database holds, and what a helper child needs and answers.

#include <QByteArray>
#include <QPair>
#include <QProcessEnvironment>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

// How many times a stress loop runs: the CI size, or scaled when
// HOPLIX_STRESS is set (to a number, that factor, also below 1 for the slow
// sanitizer builds; to anything else, ten times).
inline int stressScaled(int ciCount)
{
    const QByteArray stress = qgetenv("HOPLIX_STRESS");
    if (stress.isEmpty())
        return ciCount;
    bool ok = false;
    const double factor = stress.toDouble(&ok);
    return qMax(1, int(ciCount * (ok && factor > 0 ? factor : 10)));
}

inline void ignoreMessages(QtMsgType, const QMessageLogContext &, const QString &) { }

// Opens the database file on a connection of its own, so the check sees
// exactly what the next process to open the file would see (a hot journal
// left by a killed writer is rolled back here), and closes it again when
// done so no read lock outlives the check.
class DatabaseCheck
{
public:
    explicit DatabaseCheck(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        db.setDatabaseName(path);
        opened = db.open();
    }
    ~DatabaseCheck()
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }

    // Every row, each column as text. A check that cannot run is a problem,
    // not a pass.
    QList<QStringList> rows(const QString &text, const QVariantList &values = {}) const
    {
        QSqlQuery query(QSqlDatabase::database(name, false));
        query.prepare(text);
        for (const QVariant &v : values)
            query.addBindValue(v);
        if (!query.exec())
            return {QStringList(QStringLiteral("cannot run: ") + text)};
        QList<QStringList> result;
        while (query.next()) {
            result.append(QStringList());
            for (int i = 0; i < query.record().count(); ++i)
                result.last() << query.value(i).toString();
        }
        return result;
    }
    QStringList texts(const QString &text, const QVariantList &values = {}) const
    {
        QStringList result;
        for (const QStringList &row : rows(text, values))
            result << row.first();
        return result;
    }
    QString value(const QString &text, const QVariantList &values = QVariantList()) const
    {
        return texts(text, values).value(0);
    }

    // Every problem found, joined; empty when the database is sound. With
    // singleMode (all runs in one mode) the achievements that count over one
    // mode's runs are checked too.
    QString problems(bool singleMode) const
    {
        if (!opened)
            return QStringLiteral("cannot open the database");
        QStringList found = texts(QStringLiteral("PRAGMA integrity_check"));
        if (found == QStringList(QStringLiteral("ok")))
            found.clear();
        const char *const checks[] = {
                "SELECT id||' stored twice' FROM game_records GROUP BY id HAVING COUNT(*)>1",
                "SELECT 'catalogue incomplete' WHERE (SELECT COUNT(*) FROM achievements)<>8",
                // A half-written settlement would leave one without the other.
                "SELECT a.code||' unlocked without its skin' FROM achievements a LEFT JOIN skins s "
                "ON s.id=a.reward_skin_id WHERE a.is_unlocked=1 AND a.reward_skin_id IS NOT NULL "
                "AND COALESCE(s.is_unlocked,0)=0",
                "SELECT code||' unlocked below target' FROM achievements WHERE is_unlocked=1 AND "
                "progress_value<>target_value"};
        for (const char *check : checks)
            found << texts(QLatin1String(check));

        // Achievements following a figure of the stored runs: a locked one
        // holds the figure clamped to its target, an unlocked one needs the
        // figure to have reached it - except the streak, which may have
        // broken since.
        const QList<QPair<QString, QString>> follows{
                {"score_50,score_200,score_500", "SELECT MAX(score) FROM game_records"},
                {"stay_in_place", "SELECT MAX(max_section_jump_count) FROM game_records"},
                // From here on over one mode's runs.
                {"every_point_counts", "SELECT SUM(score) FROM game_records"},
                {"headstrong",
                 "SELECT SUM(wall_collision_count+block_collision_count) FROM game_records"},
                // Deaths scoring 0 to 10 since the last run that was not one.
                {"practice_more",
                 "SELECT COUNT(*) FROM (SELECT rowid FROM game_records ORDER BY rowid DESC "
                 "LIMIT 10) WHERE rowid>(SELECT COALESCE(MAX(rowid),0) FROM game_records WHERE "
                 "end_reason='abandoned' OR score NOT BETWEEN 0 AND 10)"}};
        for (const auto &follow : follows.mid(0, singleMode ? follows.size() : 2)) {
            found << texts(QStringLiteral("SELECT code||' progress '||progress_value||', runs say "
                                          "'||f FROM (SELECT *, COALESCE((%1),0) AS f FROM "
                                          "achievements WHERE instr(',%2,', ','||code||',')) "
                                          "WHERE CASE WHEN is_unlocked THEN f<target_value AND "
                                          "code<>'practice_more' ELSE "
                                          "progress_value<>MIN(f,target_value) END")
                                   .arg(follow.second, follow.first));
        }
        return found.join(QStringLiteral("; "));
    }

private:
    const QString name = QStringLiteral("reliability_check");
    bool opened;
};

// The helper child's environment: the given configuration directory.
inline QProcessEnvironment childEnvironment(const QString &configHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    return environment;
}

// Sorts the child's answers ("settled <id> <0|1>", "saved <id> <0|1>") by outcome.
inline void readAnswers(const QByteArray &output, QSet<QString> &succeeded, QSet<QString> &failed)
{
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 3)
            (words.at(2) == "1" ? succeeded : failed).insert(QString::fromLatin1(words.at(1)));
    }
}

#endif // RELIABILITY_H

#ifndef RELIABILITY_H
#define RELIABILITY_H

// Helpers shared by the reliability tests: an independent check of what a
// database holds, and a way to start the helper child program.

#include <QByteArray>
#include <QFile>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <algorithm>

// How many times a stress loop runs: the CI size, or more when
// HOPLIX_STRESS is set (to a number, that factor; otherwise ten times).
inline int stressScaled(int ciCount)
{
    const QByteArray stress = qgetenv("HOPLIX_STRESS");
    if (stress.isEmpty())
        return ciCount;
    bool ok = false;
    const int factor = stress.toInt(&ok);
    return ciCount * (ok && factor > 1 ? factor : 10);
}

// Opens the database file on a connection of its own, so the check sees
// exactly what the next process to open the file would see (a hot journal
// left by a killed writer is rolled back here), and closes it again before
// returning so no read lock outlives the check.
class DatabaseCheck
{
public:
    explicit DatabaseCheck(const QString &path)
        : name(QStringLiteral("reliability_check"))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        db.setDatabaseName(path);
        opened = db.open();
    }
    ~DatabaseCheck()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

    bool isOpen() const { return opened; }

    QVariant value(const QString &text, const QVariantList &values = QVariantList()) const
    {
        QSqlQuery query(QSqlDatabase::database(name, false));
        query.prepare(text);
        for (const QVariant &v : values)
            query.addBindValue(v);
        if (!query.exec() || !query.next())
            return QVariant();
        return query.value(0);
    }

    QVariantList column(const QString &text) const
    {
        QVariantList result;
        QSqlQuery query(QSqlDatabase::database(name, false));
        if (query.exec(text)) {
            while (query.next())
                result.append(query.value(0));
        }
        return result;
    }

    // Every problem found, empty when the database is sound. With
    // singleMode, the achievements that count over one mode's runs are
    // checked too (all runs must then be in one mode).
    QStringList problems(bool singleMode) const
    {
        QStringList found;
        if (!opened)
            return QStringList(QStringLiteral("cannot open the database"));

        const QString integrity = value(QStringLiteral("PRAGMA integrity_check")).toString();
        if (integrity != QLatin1String("ok"))
            found << QStringLiteral("integrity_check: %1").arg(integrity);
        if (value(QStringLiteral("SELECT COUNT(*) - COUNT(DISTINCT id) FROM game_records")).toInt()
            != 0)
            found << QStringLiteral("a run is stored twice");
        if (value(QStringLiteral("SELECT COUNT(*) FROM achievements")).toInt() != 8)
            found << QStringLiteral("the catalogue is not complete");

        // Unlocked achievements carry their reward; a half-written
        // settlement would leave one without the other.
        const int rewardMissing
                = value(QStringLiteral("SELECT COUNT(*) FROM achievements a LEFT JOIN skins s ON "
                                       "s.id=a.reward_skin_id "
                                       "WHERE a.is_unlocked=1 AND a.reward_skin_id IS NOT NULL AND "
                                       "COALESCE(s.is_unlocked,0)=0"))
                          .toInt();
        if (rewardMissing != 0)
            found << QStringLiteral("%1 unlocked achievements without their skin")
                             .arg(rewardMissing);
        const int unlockedBelowTarget
                = value(QStringLiteral("SELECT COUNT(*) FROM achievements WHERE is_unlocked=1 AND "
                                       "progress_value<>target_value"))
                          .toInt();
        if (unlockedBelowTarget != 0)
            found << QStringLiteral("%1 unlocked achievements below target")
                             .arg(unlockedBelowTarget);

        // Achievements whose progress only ever rises follow the best run of
        // any mode.
        const qint64 bestScore = value(QStringLiteral("SELECT COALESCE(MAX(score),0) FROM "
                                                      "game_records"))
                                         .toLongLong();
        const qint64 bestJumps = value(QStringLiteral("SELECT COALESCE(MAX(max_section_jump_"
                                                      "count),0) FROM game_records"))
                                         .toLongLong();
        for (const char *code : {"score_50", "score_200", "score_500"})
            checkFollows(found, QLatin1String(code), bestScore);
        checkFollows(found, QStringLiteral("stay_in_place"), bestJumps);

        if (singleMode) {
            checkFollows(found, QStringLiteral("every_point_counts"),
                         value(QStringLiteral("SELECT COALESCE(SUM(score),0) FROM game_records"))
                                 .toLongLong());
            checkFollows(found, QStringLiteral("headstrong"),
                         value(QStringLiteral("SELECT COALESCE(SUM(wall_collision_count+block_"
                                              "collision_count),0) FROM game_records"))
                                 .toLongLong());
            checkFollows(found, QStringLiteral("practice_more"), lowScoreStreak(), true);
        }
        return found;
    }

private:
    // A locked achievement's progress equals the figure clamped to its
    // target; an unlocked one needs the figure to have reached it. With
    // exact, an unlocked one proves nothing about the current figure (the
    // series may have been broken since).
    void checkFollows(QStringList &found, const QString &code, qint64 figure,
                      bool exact = false) const
    {
        QSqlQuery query(QSqlDatabase::database(name, false));
        query.prepare(QStringLiteral("SELECT progress_value, target_value, is_unlocked FROM "
                                     "achievements WHERE code=?"));
        query.addBindValue(code);
        if (!query.exec() || !query.next()) {
            found << QStringLiteral("%1 missing").arg(code);
            return;
        }
        const qint64 progress = query.value(0).toLongLong();
        const qint64 target = query.value(1).toLongLong();
        const bool unlocked = query.value(2).toBool();
        if (unlocked) {
            if (!exact && figure < target)
                found << QStringLiteral("%1 unlocked with %2 of %3")
                                 .arg(code)
                                 .arg(figure)
                                 .arg(target);
            return;
        }
        if (progress != std::min(figure, target))
            found << QStringLiteral("%1 progress %2, runs say %3 (target %4)")
                             .arg(code)
                             .arg(progress)
                             .arg(figure)
                             .arg(target);
    }

    // Deaths scoring 0 to 10 in a row, newest first, as the stored rows say.
    qint64 lowScoreStreak() const
    {
        QSqlQuery query(QSqlDatabase::database(name, false));
        qint64 streak = 0;
        if (!query.exec(QStringLiteral("SELECT score, end_reason FROM game_records ORDER BY "
                                       "rowid DESC LIMIT 10")))
            return -1;
        while (query.next()) {
            const int score = query.value(0).toInt();
            const QString reason = query.value(1).toString();
            if (reason == QLatin1String("abandoned") || score < 0 || score > 10)
                break;
            ++streak;
        }
        return streak;
    }

    QString name;
    bool opened;
};

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#endif // RELIABILITY_H

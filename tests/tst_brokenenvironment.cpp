// The database cannot be used at all: its directory is blocked by a file, or
// the file holds no database. The application must still come up, say so,
// answer every call with its failure value, and leave the file alone.

#include "applicationcore.h"
#include "reliability.h"
#include "testsupport.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

#include <random>

namespace {

QStringList capturedWarnings;

void captureWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg)
        capturedWarnings << message;
}

} // namespace

class BrokenEnvironmentTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setTestApplicationNames(); }
    void unusableDatabase_data();
    void unusableDatabase();
};

void BrokenEnvironmentTest::unusableDatabase_data()
{
    QTest::addColumn<bool>("blockDirectory");
    QTest::newRow("a file where the directory should be") << true;
    QTest::newRow("a database file of random bytes") << false;
}

void BrokenEnvironmentTest::unusableDatabase()
{
    QFETCH(bool, blockDirectory);
    TestStorage storage;
    const QString config = TestStorage::configLocation();
    QVERIFY(QDir().mkpath(blockDirectory ? config : config + QStringLiteral("/db")));
    const QString blocker
            = blockDirectory ? config + QStringLiteral("/db") : storage.databasePath();

    QByteArray garbage(64 * 1024, Qt::Uninitialized);
    std::mt19937 random(99);
    for (char &byte : garbage)
        byte = char(random());
    {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(garbage), qint64(garbage.size()));
    }

    capturedWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureWarnings);
    {
        ApplicationCore core;
        QVERIFY(capturedWarnings.contains(QStringLiteral(
                "[ApplicationCore] achievements unavailable: initialization failed")));
        QVERIFY(!capturedWarnings.filter(QStringLiteral("[DatabaseConnection]")).isEmpty());

        QCOMPARE(core.saveGameRecord(QStringLiteral("r1"), QStringLiteral("endless"), 10,
                                     QStringLiteral("wall"), QString(""), QString("")),
                 false);
        QCOMPARE(core.gameRecords(), QVariantList());
        QCOMPARE(core.gameRecords(QStringLiteral("endless")), QVariantList());
        QCOMPARE(core.highestScore(), -1);
        QCOMPARE(core.highestScore(QStringLiteral("endless")), -1);
        QVERIFY(!core.latestDeathPosition(QStringLiteral("endless")).isValid());
        const QVariantMap achievements = core.achievements();
        QCOMPARE(achievements.value(QStringLiteral("ok")), QVariant(false));
        QCOMPARE(achievements.value(QStringLiteral("items")).toList(), QVariantList());
        QCOMPARE(core.skins(), QVariantList());
        QCOMPARE(core.selectSkin(QStringLiteral("default")), false);
        QCOMPARE(core.unlockSkin(QStringLiteral("clown")), false);

        // The settings live elsewhere and keep working.
        core.setAppSetting(QStringLiteral("APP_SETTING"), QStringLiteral("LANGUAGE"), 2);
        QCOMPARE(core.appSetting(QStringLiteral("APP_SETTING"), QStringLiteral("LANGUAGE"), 0),
                 QVariant(2));

        // Every accepted submission still gets its one, failed, answer.
        QSignalSpy settled(&core, &ApplicationCore::gameSettled);
        QSignalSpy acknowledged(&core, &ApplicationCore::skinRewardsAcknowledged);
        const QStringList ids{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        for (const QString &id : ids) {
            QVERIFY(core.submitGameRecord({{QStringLiteral("id"), id},
                                           {QStringLiteral("modeId"), QStringLiteral("endless")},
                                           {QStringLiteral("score"), 1},
                                           {QStringLiteral("endReason"), QStringLiteral("fall")}}));
        }
        QVERIFY(core.acknowledgeSkinRewards(QStringLiteral("req"), {QStringLiteral("score_50")}));
        QTRY_COMPARE(settled.count(), ids.size());
        for (int i = 0; i < ids.size(); ++i) {
            QCOMPARE(settled.at(i).at(0).toString(), ids.at(i));
            QCOMPARE(settled.at(i).at(1).toBool(), false);
            QCOMPARE(settled.at(i).at(2).toList(), QVariantList());
            QCOMPARE(settled.at(i).at(3).toInt(), -1);
        }
        QTRY_COMPARE(acknowledged.count(), 1);
        QCOMPARE(acknowledged.at(0).at(1).toBool(), false);
    }
    qInstallMessageHandler(previous);

    QCOMPARE(fileBytes(blocker), garbage);
    if (blockDirectory)
        QVERIFY(QFileInfo(blocker).isFile());
    else
        QCOMPARE(QDir(config + QStringLiteral("/db")).entryList(QDir::Files),
                 QStringList(QStringLiteral("harbour-hoplix.db")));
}

QTEST_GUILESS_MAIN(BrokenEnvironmentTest)
#include "tst_brokenenvironment.moc"

#include "appsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

class tst_AppSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setTestApplicationNames(); }

    void fileInConfigurationLocation();
    void conversion_data();
    void conversion();
    void survivesRestart();
    void missingKey();
    void emptyKeyLeavesFileAlone();
    void emptyGroupReturnsDefault();
};

void tst_AppSettings::fileInConfigurationLocation()
{
    TestStorage storage;
    QCOMPARE(AppSettings::filePath(),
             TestStorage::configLocation() + QStringLiteral("/config/appSettings.conf"));
    AppSettings settings;
    QVERIFY(QFileInfo(TestStorage::configLocation() + QStringLiteral("/config")).isDir());
    settings.setValue(QStringLiteral("APP_SETTING"), QStringLiteral("LANGUAGE"), 3);
    QFile file(AppSettings::filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("[APP_SETTING]\nLANGUAGE=3"), text.constData());
}

// What a value in the file (which the toolkit reads back as text) becomes for
// each type of default.
void tst_AppSettings::conversion_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QVariant>("defaultValue");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("int default, 3") << QByteArray("3") << QVariant(0) << QVariant(3);
    QTest::newRow("int default, -12") << QByteArray("-12") << QVariant(5) << QVariant(-12);
    QTest::newRow("int default, abc") << QByteArray("abc") << QVariant(5) << QVariant(0);
    QTest::newRow("bool default, false")
            << QByteArray("false") << QVariant(true) << QVariant(false);
    QTest::newRow("bool default, FALSE")
            << QByteArray("FALSE") << QVariant(true) << QVariant(false);
    QTest::newRow("bool default, 0") << QByteArray("0") << QVariant(true) << QVariant(false);
    QTest::newRow("bool default, empty") << QByteArray("") << QVariant(true) << QVariant(false);
    QTest::newRow("bool default, 1") << QByteArray("1") << QVariant(false) << QVariant(true);
    QTest::newRow("bool default, yes") << QByteArray("yes") << QVariant(false) << QVariant(true);
    QTest::newRow("text default, number")
            << QByteArray("42") << QVariant(QStringLiteral("x")) << QVariant(QStringLiteral("42"));
    QTest::newRow("no default, number")
            << QByteArray("42") << QVariant() << QVariant(QStringLiteral("42"));
}

void tst_AppSettings::conversion()
{
    QFETCH(QByteArray, stored);
    QFETCH(QVariant, defaultValue);
    QFETCH(QVariant, expected);

    TestStorage storage;
    QVERIFY(QDir().mkpath(QFileInfo(AppSettings::filePath()).path()));
    QFile file(AppSettings::filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[front]\nkey=" + stored + "\n");
    file.close();

    AppSettings settings;
    const QVariant value
            = settings.value(QStringLiteral("front"), QStringLiteral("key"), defaultValue);
    QCOMPARE(value.type(), expected.type());
    QCOMPARE(value, expected);
}

void tst_AppSettings::survivesRestart()
{
    TestStorage storage;
    AppSettings first;
    first.setValue(QStringLiteral("APP_SETTING"), QStringLiteral("LANGUAGE"), 3);
    // Within the same run, before any reload.
    QVariant value = first.value(QStringLiteral("APP_SETTING"), QStringLiteral("LANGUAGE"), 0);
    QCOMPARE(value.type(), QVariant::Int);
    QCOMPARE(value.toInt(), 3);

    // A new object reads the file, as the next start does; start-up's own
    // reader sees the same value.
    AppSettings second;
    value = second.value(QStringLiteral("APP_SETTING"), QStringLiteral("LANGUAGE"), 0);
    QCOMPARE(value.type(), QVariant::Int);
    QCOMPARE(value.toInt(), 3);
    QSettings plain(AppSettings::filePath(), QSettings::NativeFormat);
    QCOMPARE(plain.value(QStringLiteral("APP_SETTING/LANGUAGE")).toInt(), 3);
}

void tst_AppSettings::missingKey()
{
    TestStorage storage;
    AppSettings settings;
    const QVariant withDefault
            = settings.value(QStringLiteral("APP_SETTING"), QStringLiteral("LANGUAGE"), 5);
    QCOMPARE(withDefault.type(), QVariant::Int);
    QCOMPARE(withDefault.toInt(), 5);
    QVERIFY(!settings.value(QStringLiteral("APP_SETTING"), QStringLiteral("LANGUAGE")).isValid());
}

void tst_AppSettings::emptyKeyLeavesFileAlone()
{
    TestStorage storage;
    AppSettings settings;
    settings.setValue(QStringLiteral("APP_SETTING"), QStringLiteral("LANGUAGE"), 3);
    const QFileInfo before(AppSettings::filePath());
    QVERIFY(before.exists());
    QFile file(AppSettings::filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray contentBefore = file.readAll();
    file.close();

    // Any rewrite would move the modification time past this point.
    QTest::qWait(1100);
    QTest::ignoreMessage(QtWarningMsg, "[AppSettings] group and key must not be empty");
    settings.setValue(QStringLiteral("APP_SETTING"), QString(), 4);
    QTest::ignoreMessage(QtWarningMsg, "[AppSettings] group and key must not be empty");
    settings.setValue(QString(), QStringLiteral("LANGUAGE"), 4);

    const QFileInfo after(AppSettings::filePath());
    QCOMPARE(after.lastModified(), before.lastModified());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), contentBefore);
}

void tst_AppSettings::emptyGroupReturnsDefault()
{
    TestStorage storage;
    AppSettings settings;
    settings.setValue(QStringLiteral("APP_SETTING"), QStringLiteral("LANGUAGE"), 3);
    QTest::ignoreMessage(QtWarningMsg, "[AppSettings] group and key must not be empty");
    const QVariant value = settings.value(QString(), QStringLiteral("LANGUAGE"), 7);
    QCOMPARE(value, QVariant(7));
}

QTEST_GUILESS_MAIN(tst_AppSettings)
#include "tst_appsettings.moc"

#include "app/appsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

QByteArray fileContent()
{
    QFile file(AppSettings::filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_AppSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setTestApplicationNames(); }

    void conversion_data();
    void conversion();
    void survivesRestart();
    void emptyKeyLeavesFileAlone();
    void abandonedLockCleared_data();
    void abandonedLockCleared();
};

// What a value in the file (which the toolkit reads back as text) becomes for
// each type of default.
void tst_AppSettings::conversion_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QVariant>("defaultValue");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("int default, 3") << QByteArray("3") << QVariant(0) << QVariant(3);
    QTest::newRow("int default, abc") << QByteArray("abc") << QVariant(5) << QVariant(0);
    QTest::newRow("bool default, false")
            << QByteArray("false") << QVariant(true) << QVariant(false);
    QTest::newRow("bool default, yes") << QByteArray("yes") << QVariant(false) << QVariant(true);
    QTest::newRow("text default, number")
            << QByteArray("42") << QVariant(QStringLiteral("x")) << QVariant(QStringLiteral("42"));
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
    QVERIFY(!AppSettings().value("APP_SETTING", "LANGUAGE").isValid());
    AppSettings().setValue("APP_SETTING", "LANGUAGE", 3);
    // A new object reads the file, as the next start does; start-up's own
    // reader sees the same value.
    const QVariant value = AppSettings().value("APP_SETTING", "LANGUAGE", 0);
    QCOMPARE(value.type(), QVariant::Int);
    QCOMPARE(value.toInt(), 3);
    QSettings plain(AppSettings::filePath(), QSettings::NativeFormat);
    QCOMPARE(plain.value(QStringLiteral("APP_SETTING/LANGUAGE")).toInt(), 3);
}

void tst_AppSettings::emptyKeyLeavesFileAlone()
{
    TestStorage storage;
    AppSettings settings;
    settings.setValue("APP_SETTING", "LANGUAGE", 3);
    const QByteArray contentBefore = fileContent();
    const char warning[] = "[AppSettings] group and key must not be empty";
    QTest::ignoreMessage(QtWarningMsg, warning);
    settings.setValue("APP_SETTING", QString(), 4);
    QTest::ignoreMessage(QtWarningMsg, warning);
    settings.setValue(QString(), "LANGUAGE", 4);
    QCOMPARE(fileContent(), contentBefore);
    QTest::ignoreMessage(QtWarningMsg, warning);
    QCOMPARE(settings.value(QString(), "LANGUAGE", 7), QVariant(7));
}

void tst_AppSettings::abandonedLockCleared_data()
{
    QTest::addColumn<QByteArray>("lockContent");
    QTest::newRow("empty") << QByteArray();
}

// A writer killed between creating the settings lock and writing its id
// into it leaves a lock that names no holder. Left to QSettings, the next
// write waits until that lock is 30 s old, with the GUI thread frozen.
void tst_AppSettings::abandonedLockCleared()
{
    QFETCH(QByteArray, lockContent);
    TestStorage storage;
    AppSettings settings;
    QFile lock(AppSettings::filePath() + QStringLiteral(".lock"));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(lockContent);
    lock.close();

    QElapsedTimer timer;
    timer.start();
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^\\[AppSettings\\] removed an abandoned lock:"));
    settings.setValue("APP_SETTING", "LANGUAGE", 5);
    // Far below the 30 s QSettings waits, far above any write.
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(fileContent().contains("LANGUAGE=5"));
    QVERIFY(!lock.exists());
}

QTEST_GUILESS_MAIN(tst_AppSettings)
#include "tst_appsettings.moc"

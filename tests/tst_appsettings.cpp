#include "app/appsettings.h"
#include "testsupport.h"

#include <QFile>
#include <QSettings>

class tst_AppSettings : public QObject
{
    Q_OBJECT
private slots:
    // What a value in the file (which the toolkit reads back as text) becomes for
    // each type of default; how text converts is the toolkit's business.
    void conversion_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QVariant>("defaultValue");
        QTest::addColumn<QString>("expected"); // type and value
        QTest::newRow("int default, 3") << "3" << QVariant(0) << "int 3";
        QTest::newRow("bool default, false") << "false" << QVariant(true) << "bool false";
        QTest::newRow("text default, number") << "42" << QVariant("x") << "QString 42";
    }

    void conversion()
    {
        QFETCH(QString, stored);
        QFETCH(QVariant, defaultValue);
        TestStorage storage;
        QSettings(AppSettings::filePath(), QSettings::NativeFormat).setValue("front/key", stored);
        const QVariant value = AppSettings().value("front", "key", defaultValue);
        QTEST(QString(value.typeName()) + ' ' + value.toString(), "expected");
    }

    // A writer killed between creating the settings lock and writing its id
    // into it leaves a lock that names no holder. Left to QSettings, the next
    // write waits until that lock is 30 s old, with the GUI thread frozen.
    void abandonedLockCleared()
    {
        TestStorage storage;
        AppSettings settings;
        QFile lock(AppSettings::filePath() + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.close();

        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^\\[AppSettings\\] removed an abandoned lock:"));
        settings.setValue("APP_SETTING", "LANGUAGE", 5);
        QVERIFY(!lock.exists());
        // Read back from the file, as the next start reads it; a write without a
        // group or key is refused.
        QTest::ignoreMessage(QtWarningMsg, "[AppSettings] group and key must not be empty");
        settings.setValue(QString(), "LANGUAGE", 4);
        QCOMPARE(AppSettings().value("APP_SETTING", "LANGUAGE", 0), QVariant(5));
        QCOMPARE(QSettings(AppSettings::filePath(), QSettings::NativeFormat).allKeys(),
                 QStringList("APP_SETTING/LANGUAGE"));
    }
};

QTEST_GUILESS_MAIN(tst_AppSettings)
#include "tst_appsettings.moc"

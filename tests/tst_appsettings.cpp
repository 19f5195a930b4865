#include "app/appsettings.h"
#include "app/translationcandidates.h"
#include "testsupport.h"

#include <QFile>
#include <QSettings>

class tst_AppSettings : public QObject
{
    Q_OBJECT
private slots:
    // What a value in the file (which the toolkit reads back as text) becomes for
    // each type of default; how text converts is the toolkit's business.
    void conversion()
    {
        TestStorage storage;
        QSettings file(AppSettings::filePath(), QSettings::NativeFormat);
        const QVariantList storedAndDefault{"3", 0, "false", true, "42", "x"};
        QStringList seen; // type and value
        for (int i = 0; i < storedAndDefault.size(); i += 2) {
            file.setValue("front/key", storedAndDefault.at(i));
            file.sync();
            const QVariant value = AppSettings().value("front", "key", storedAndDefault.at(i + 1));
            seen << QString(value.typeName()) + ' ' + value.toString();
        }
        QCOMPARE(seen.join(", "), QStringLiteral("int 3, bool false, QString 42"));
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

    // The translation files to try, "index locale: candidates": a chosen
    // language ignores the locale; past the list only the fallback; index 0
    // is the system locale, then its language's own file.
    void translationCandidates()
    {
        for (const QString row :
             {"7 de_AT: ru en_US", "8 de_AT: en_US", "-1 de_AT: en_US", "0 de_AT: de_AT de en_US",
              "0 zh_TW: zh_TW zh_CN en_US", "0 en_GB: en_GB en_US en_US", "0 es: es es en_US",
              "0 pt_BR: pt_BR en_US"}) {
            const QStringList call = row.section(':', 0, 0).split(' ');
            const QStringList files
                    = TranslationCandidates::forIndex(call.at(0).toInt(), call.at(1));
            QCOMPARE(call.join(' ') + ": " + files.join(' '), row);
        }
    }
};

QTEST_GUILESS_MAIN(tst_AppSettings)
#include "tst_appsettings.moc"

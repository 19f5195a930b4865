#include "testsupport.h"

#include <QDir>
#include <QScopeGuard>
#include <QSettings>

// Starts the real application offscreen with its own configuration directory,
// waits until the front end reports that it is up, and stops it again.
class tst_Startup : public QObject
{
    Q_OBJECT
private slots:
    void startsFrontEnd_data();
    void startsFrontEnd();
};

void tst_Startup::startsFrontEnd_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("installTranslations");
    QTest::newRow("German") << "3" << QString("C") << "Deutsch" << true;
    // Nothing to load at all: one warning, and the source texts.
    QTest::newRow("no translations installed") << "3" << QString("C") << "English" << false;
    // Not a number: index 0, the system locale, whose de_AT falls back to de.
    QTest::newRow("system locale") << "abc" << QString("de_AT.UTF-8") << "Deutsch" << true;
}

void tst_Startup::startsFrontEnd()
{
    QFETCH(QString, stored);
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(bool, installTranslations);
    QTemporaryDir home, install;
    QSettings(home.path() + "/org.hoplix/harbour-Hoplix/config/appSettings.conf",
              QSettings::IniFormat)
            .setValue("APP_SETTING/LANGUAGE", stored);

    // The build tree is laid out as an installation; without translations the
    // program runs from a copy of that layout that lacks them.
    QString program = QStringLiteral(HOPLIX_APP_PATH), dataDir = QStringLiteral(HOPLIX_DATA_DIR);
    if (!installTranslations) {
        dataDir = install.path() + "/share/harbour-hoplix";
        program = install.path() + "/bin/harbour-hoplix";
        QVERIFY(QDir().mkpath(install.path() + "/bin") && QDir().mkpath(dataDir));
        QVERIFY(QFile::copy(HOPLIX_APP_PATH, program)
                && QFile::link(HOPLIX_DATA_DIR "/qml", dataDir + "/qml"));
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", home.path());
    environment.insert("LC_ALL", locale);
    environment.insert("LANG", locale);

    QProcess application;
    // However the checks below end, the application does not outlive the test.
    const auto stop = qScopeGuard([&application] {
        application.kill();
        application.waitForFinished(10000);
    });
    application.setProcessChannelMode(QProcess::MergedChannels);
    application.setProcessEnvironment(environment);
    application.start(program, QStringList());
    QByteArray output;
    const QByteArray loaded("[harbour-hoplix] front end loaded:");
    QTRY_VERIFY_WITH_TIMEOUT((output += application.readAll()).contains(loaded)
                                     || application.state() == QProcess::NotRunning,
                             30000);
    output += application.readAll();
    QVERIFY2(application.state() == QProcess::Running && output.contains(loaded), output.data());
    const int at = output.indexOf(loaded);
    QVERIFY2(output.mid(at, output.indexOf('\n', at) - at).contains(language.toUtf8()),
             output.data());

    const QByteArray warning("Unable to load application translations from");
    QCOMPARE(output.count(warning), installTranslations ? 0 : 1);
    QVERIFY2(installTranslations
                     || output.contains(warning + " \""
                                        + QDir::cleanPath(dataDir + "/translations").toUtf8()
                                        + '"'),
             output.data());
}

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_startup.moc"

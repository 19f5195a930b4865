#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScopeGuard>
#include <QSettings>

// Starts the real application offscreen with its own configuration directory,
// waits until the front end reports that it is up, and stops it again.
class tst_Startup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setTestApplicationNames(); }

    void startsFrontEnd_data();
    void startsFrontEnd();
};

namespace {

const char kLoaded[] = "[harbour-hoplix] front end loaded:";
const char kNoTranslation[] = "Unable to load application translations from";

} // namespace

void tst_Startup::startsFrontEnd_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("installTranslations");

    QTest::newRow("German") << "3"
                            << "C"
                            << "Deutsch" << true;
    // Nothing to load at all: one warning, and the source texts.
    QTest::newRow("no translations installed") << "3"
                                               << "C"
                                               << "English" << false;
    // Not a number: index 0, the system locale, whose de_AT falls back to de.
    QTest::newRow("system locale") << "abc"
                                   << "de_AT.UTF-8"
                                   << "Deutsch" << true;
}

void tst_Startup::startsFrontEnd()
{
    QFETCH(QString, stored);
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(bool, installTranslations);

    QTemporaryDir home;
    QSettings(home.path() + "/org.hoplix/harbour-Hoplix/config/appSettings.conf",
              QSettings::IniFormat)
            .setValue("APP_SETTING/LANGUAGE", stored);

    // The build tree is laid out as an installation; without translations the
    // program runs from a copy of that layout that lacks them.
    QString program = QStringLiteral(HOPLIX_APP_PATH);
    QString dataDir = QStringLiteral(HOPLIX_DATA_DIR);
    QTemporaryDir install;
    if (!installTranslations) {
        dataDir = install.path() + "/share/harbour-hoplix";
        program = install.path() + "/bin/harbour-hoplix";
        QVERIFY(QDir().mkpath(install.path() + "/bin") && QDir().mkpath(dataDir));
        QVERIFY(QFile::copy(HOPLIX_APP_PATH, program));
        QVERIFY(QFile::link(HOPLIX_DATA_DIR "/qml", dataDir + "/qml"));
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANG"), locale);

    QProcess application;
    // However the checks below end, the application does not outlive the test.
    const auto stop = qScopeGuard([&application] {
        application.kill();
        application.waitForFinished(10000);
    });
    application.setProcessChannelMode(QProcess::MergedChannels);
    application.setProcessEnvironment(environment);
    application.setProgram(program);
    application.start();
    QVERIFY2(application.waitForStarted(10000), qPrintable(application.errorString()));

    QByteArray output;
    const auto readOutput = [&] {
        output += application.readAll();
        return output.contains(kLoaded);
    };
    QTRY_VERIFY_WITH_TIMEOUT(readOutput() || application.state() == QProcess::NotRunning, 30000);
    readOutput();
    QVERIFY2(application.state() == QProcess::Running && output.contains(kLoaded),
             output.constData());
    const int loadedAt = output.indexOf(kLoaded);
    const QByteArray loadedLine = output.mid(loadedAt, output.indexOf('\n', loadedAt) - loadedAt);
    QVERIFY2(loadedLine.contains(language.toUtf8()), loadedLine.constData());

    const QString translations = QDir::cleanPath(dataDir + QStringLiteral("/translations"));
    const QByteArray warning = QByteArray(kNoTranslation) + " \"" + translations.toUtf8() + '"';
    QCOMPARE(output.count(kNoTranslation), installTranslations ? 0 : 1);
    QVERIFY2(installTranslations || output.contains(warning), output.constData());
}

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_startup.moc"

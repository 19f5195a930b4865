#include "app/applicationcore.h"
#include "game/gamesession.h"
#include "storage/databaseconnection.h"
#include "testsupport.h"

#include <QGuiApplication>
#include <QQmlEngine>
#include <QtQuickTest/quicktest.h>

#include <memory>
#include <vector>

// Lets each QML test case start on an empty configuration directory: drops
// the GUI thread's connection and points the configuration location at a
// new temporary directory. Cores created afterwards open a fresh database.
class TestConfiguration : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE void fresh()
    {
        DatabaseConnection::closeConnection();
        directories.emplace_back(new QTemporaryDir);
        qputenv("XDG_CONFIG_HOME", directories.back()->path().toLocal8Bit());
    }

private:
    std::vector<std::unique_ptr<QTemporaryDir>> directories;
};

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    setTestApplicationNames();
    // Never the user's configuration, even before the first case asks for a fresh one.
    TestConfiguration configuration;
    configuration.fresh();

    qmlRegisterType<ApplicationCore>("org.hoplix.hoplix", 1, 0, "ApplicationCore");
    GameSession::registerQmlTypes();
    qmlRegisterSingletonType<TestConfiguration>(
            "org.hoplix.test", 1, 0, "TestConfiguration",
            [](QQmlEngine *, QJSEngine *) -> QObject * { return new TestConfiguration; });

    const int result = quick_test_main(argc, argv, "hoplix", HOPLIX_QML_TEST_DIR);
    DatabaseConnection::closeConnection();
    return result;
}

#include "tst_qml.moc"

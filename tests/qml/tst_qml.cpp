#include "app/applicationcore.h"
#include "app/qmltypes.h"
#include "game/gamesession.h"
#include "stubs/pagestatus.h"
#include "testsupport.h"

#include <QGuiApplication>
#include <QQmlEngine>
#include <QtQml/qqml.h>
#include <QtQuickTest/quicktest.h>

#include <vector>

// Lets each QML test case start on an empty configuration directory: cores
// created after fresh() open a new database.
class TestConfiguration : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE void fresh() { storages.emplace_back(new TestStorage); }

private:
    std::vector<std::unique_ptr<TestStorage>> storages;
};

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    // Never the user's configuration, even before the first case asks for a fresh one.
    TestStorage storage;
    QmlTypes::registerAll();
    PageStatus::registerStandIn();
    qmlRegisterSingletonType<TestConfiguration>(
            "org.hoplix.test", 1, 0, "TestConfiguration",
            [](QQmlEngine *, QJSEngine *) -> QObject * { return new TestConfiguration; });
    return quick_test_main(argc, argv, "hoplix", HOPLIX_QML_TEST_DIR);
}

#include "tst_qml.moc"

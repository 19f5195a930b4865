#include "app/platformmodules.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>

bool PlatformModules::importable(QQmlEngine *engine, const char *import)
{
    // Compiling a one-line document resolves its imports without creating
    // anything, and a missing module only leaves the component in error:
    // nothing is printed, so the desktop starts without a warning.
    QQmlComponent probe(engine);
    probe.setData(QByteArray("import QtQuick 2.6\nimport ") + import + "\nQtObject {}\n",
                  QUrl(QStringLiteral("qrc:/platformmodules-probe.qml")));
    return probe.isReady();
}

QVariantMap PlatformModules::probe(QQmlEngine *engine)
{
    QVariantMap modules;
    modules.insert(QStringLiteral("keepAlive"), importable(engine, "Nemo.KeepAlive 1.2"));
    modules.insert(QStringLiteral("multimedia"), importable(engine, "QtMultimedia 5.6"));
    modules.insert(QStringLiteral("feedback"), importable(engine, "QtFeedback 5.0"));
    modules.insert(QStringLiteral("share"), importable(engine, "Sailfish.Share 1.0"));
    return modules;
}

void PlatformModules::expose(QQmlEngine *engine)
{
    engine->rootContext()->setContextProperty(QStringLiteral("platformModules"), probe(engine));
}

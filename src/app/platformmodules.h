#ifndef PLATFORMMODULES_H
#define PLATFORMMODULES_H

#include <QVariantMap>

class QQmlEngine;

// The optional QML modules that an engine can import: a phone may lack one,
// a desktop most. The front end loads what uses them only where they are, so
// start-up asks the view's own engine (with its import paths) before it loads
// the front end. Which shell runs is the package's choice, not a probe's.
class PlatformModules
{
public:
    // { "keepAlive": Nemo.KeepAlive 1.2 importable, "multimedia": QtMultimedia 5.6,
    //   "feedback": QtFeedback 5.0, "share": Sailfish.Share 1.0 }
    static QVariantMap probe(QQmlEngine *engine);

    // Sets probe()'s answer as the context property "platformModules".
    static void expose(QQmlEngine *engine);

private:
    static bool importable(QQmlEngine *engine, const char *import);
};

#endif // PLATFORMMODULES_H

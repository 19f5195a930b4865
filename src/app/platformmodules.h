#ifndef PLATFORMMODULES_H
#define PLATFORMMODULES_H

#include <QVariantMap>

class QQmlEngine;

// The phone's optional QML modules that an engine can import. The front end
// picks its shell by them, so start-up asks the view's own engine (with its
// import paths) before it loads the front end.
class PlatformModules
{
public:
    // { "silica": Sailfish.Silica 1.0 importable, "keepAlive": Nemo.KeepAlive 1.2,
    //   "multimedia": QtMultimedia 5.6, "feedback": QtFeedback 5.0,
    //   "share": Sailfish.Share 1.0 }
    static QVariantMap probe(QQmlEngine *engine);

    // Sets probe()'s answer as the context property "platformModules".
    static void expose(QQmlEngine *engine);

private:
    static bool importable(QQmlEngine *engine, const char *import);
};

#endif // PLATFORMMODULES_H

#include "app/appsettings.h"
#include "app/platformmodules.h"
#include "app/qmltypes.h"
#include "app/translationcandidates.h"

#include <sailfishapp.h>

#include <QDebug>
#include <QGuiApplication>
#include <QLocale>
#include <QQuickView>
#include <QScopedPointer>
#include <QSettings>
#include <QTranslator>
#include <QtQml>

// Exported: the launch booster finds main() in the dynamic symbol table.
Q_DECL_EXPORT int main(int argc, char *argv[])
{
    // From the application library, never our own: under the launch booster
    // the preloaded process has already created the one application object.
    QScopedPointer<QGuiApplication> app(SailfishApp::application(argc, argv));
    // Before anything reads a standard location: the configuration directory
    // is named after these.
    app->setOrganizationName(QStringLiteral("org.hoplix"));
    app->setApplicationName(QStringLiteral("harbour-Hoplix"));

    QmlTypes::registerAll();

    int languageIndex = 2;
    {
        QSettings settings(AppSettings::filePath(), QSettings::NativeFormat);
        settings.beginGroup(QStringLiteral("APP_SETTING"));
        languageIndex = settings.value(QStringLiteral("LANGUAGE"), 2).toInt();
        settings.endGroup();
    }

    QTranslator *translator = new QTranslator(app.data());
    bool loaded = false;
    const QStringList candidates
            = TranslationCandidates::forIndex(languageIndex, QLocale::system().name());
    for (const QString &code : candidates) {
        const QString path
                = SailfishApp::pathTo(QStringLiteral("translations/harbour-hoplix-%1.qm").arg(code))
                          .toLocalFile();
        if (translator->load(path)) {
            loaded = true;
            break;
        }
    }
    if (!loaded) {
        qWarning() << "Unable to load application translations from"
                   << SailfishApp::pathTo("translations").toLocalFile();
    }
    // Installed even when empty: it then translates nothing.
    app->installTranslator(translator);

    QQuickView *view = SailfishApp::createView();
    // The front end leaves out what needs a module this engine cannot import.
    PlatformModules::expose(view->engine());
    view->setSource(SailfishApp::pathTo(QStringLiteral("qml/harbour-hoplix.qml")));
    view->show();
    const int result = app->exec();
    // Deleting the view destroys the front end's ApplicationCore, which stops
    // the settlement thread, while the application object still exists; the
    // application object goes after it, at the end of this scope.
    delete view;
    return result;
}

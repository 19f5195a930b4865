#include "sailfishapp.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QQuickView>

namespace SailfishApp {

QGuiApplication *application(int &argc, char **argv)
{
    return new QGuiApplication(argc, argv);
}

QQuickView *createView()
{
    QQuickView *view = new QQuickView;
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    return view;
}

QUrl pathTo(const QString &filename)
{
    const QString dataDir
            = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/harbour-hoplix");
    return QUrl::fromLocalFile(QDir::cleanPath(dataDir + QLatin1Char('/') + filename));
}

} // namespace SailfishApp

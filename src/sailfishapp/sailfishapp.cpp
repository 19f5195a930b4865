#include "sailfishapp.h"

#include <QCoreApplication>
#include <QDir>
#include <QQuickView>

namespace SailfishApp {

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

#ifndef SAILFISHAPP_H
#define SAILFISHAPP_H

#include <QString>
#include <QUrl>

class QQuickView;

// Stands in for the phone's application library where that library is not
// installed (desktop builds and tests), with the two calls start-up uses.
// The installation directory is share/harbour-hoplix beside the executable's
// bin directory, as /usr/share/harbour-hoplix is beside /usr/bin on the
// phone; the build tree has the same layout.
namespace SailfishApp {

// A new view that the caller owns. The front end's root item follows the
// window's size.
QQuickView *createView();

// The URL of a file given relative to the installation directory. The file
// need not exist.
QUrl pathTo(const QString &filename);

} // namespace SailfishApp

#endif // SAILFISHAPP_H

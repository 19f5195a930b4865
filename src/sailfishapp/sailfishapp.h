#ifndef SAILFISHAPP_H
#define SAILFISHAPP_H

#include <QString>
#include <QUrl>
#include <QtGlobal>

class QGuiApplication;
class QQuickView;

// Stands in for the phone's application library where that library is not
// installed (desktop builds and tests), with the calls start-up uses and the
// same signatures, so that both builds start the same way.
// The installation directory is share/harbour-hoplix beside the executable's
// bin directory, as /usr/share/harbour-hoplix is beside /usr/bin on the
// phone; the build tree has the same layout.
namespace SailfishApp {

// The application object, which the caller owns. On the phone the launch
// booster has already created it in its preloaded process and this hands it
// over; here it is created. argc must outlive the object.
QGuiApplication *application(int &argc, char **argv);

// A new view that the caller owns. The front end's root item follows the
// window's size.
QQuickView *createView();

// The URL of a file given relative to the installation directory. The file
// need not exist.
QUrl pathTo(const QString &filename);

} // namespace SailfishApp

// The booster loads the program and calls its main() by symbol, so main must
// be in the dynamic symbol table (with -rdynamic at link time).
Q_DECL_EXPORT int main(int argc, char *argv[]);

#endif // SAILFISHAPP_H

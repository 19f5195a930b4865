#ifndef PAGESTATUS_H
#define PAGESTATUS_H

#include <QObject>
#include <QtQml/qqml.h>

// Test stand-in of Silica's PageStatus: the states of a page that the app
// looks at, with Silica's values. Silica registers it from C++, and so must
// the stand-in: a QML file cannot declare an enum on the phone's Qt.
class PageStatus : public QObject
{
    Q_OBJECT
    Q_ENUMS(Status)
public:
    enum Status { Inactive, Activating, Active, Deactivating };

    // Beside the stand-in's QML files, which import their own module for it.
    static void registerStandIn()
    {
        qmlRegisterUncreatableType<PageStatus>("Sailfish.Silica", 1, 0, "PageStatus",
                                               QStringLiteral("PageStatus holds values only"));
    }
};

#endif // PAGESTATUS_H

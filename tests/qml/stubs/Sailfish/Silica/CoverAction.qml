import QtQuick 2.6

QtObject {
    property string iconSource
    signal triggered()
}

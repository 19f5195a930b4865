import QtQuick 2.6
import "Theme.js" as Theme

Item {
    property alias text: title.text

    implicitWidth: title.implicitWidth
    implicitHeight: title.implicitHeight + Theme.spacing

    Text {
        id: title
        anchors.bottom: parent.bottom
        width: parent.width
        elide: Text.ElideRight
        font.pixelSize: Theme.fontLarge
        font.bold: true
        color: Theme.accent
    }
}

import QtQuick 2.6
import "Theme.js" as Theme

Item {
    property alias text: title.text
    property QtObject look: Look {}

    implicitWidth: title.implicitWidth
    implicitHeight: title.implicitHeight + look.spacing

    Text {
        id: title
        anchors.bottom: parent.bottom
        width: parent.width
        elide: Text.ElideRight
        font.pixelSize: look.fontLarge
        font.bold: true
        color: look.accent
    }
}

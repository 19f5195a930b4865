import QtQuick 2.6
import "Theme.js" as Theme

// A skin's face, with a stand-in circle while its image is missing.
Item {
    id: skin

    property alias source: image.source
    property bool locked: false

    implicitWidth: 96
    implicitHeight: 96

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: Theme.panelHighlight
        visible: image.status !== Image.Ready

        Text {
            anchors.centerIn: parent
            text: "?"
            font.pixelSize: parent.height / 2
            color: Theme.secondaryText
        }
    }

    Image {
        id: image
        anchors.fill: parent
        fillMode: Image.PreserveAspectFit
        sourceSize.width: width
        sourceSize.height: height
        asynchronous: true
        smooth: true
    }

    opacity: locked ? 0.3 : 1.0
}

import QtQuick 2.6
import "../components"
import "../components/Theme.js" as Theme

// Over a paused run: a tap anywhere carries on, or the player leaves it.
Rectangle {
    id: overlay
    objectName: "pauseOverlay"

    property real scaling: 1

    signal resume()
    signal leave()

    color: Theme.pause.shade

    MouseArea {
        anchors.fill: parent
        onClicked: overlay.resume()
    }

    Column {
        anchors.centerIn: parent
        width: parent.width * 0.8
        spacing: Theme.pause.spacing * overlay.scaling

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Paused")
            font.pixelSize: Theme.pause.titleFont * overlay.scaling
            font.bold: true
            color: Theme.brightText
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: qsTr("Tap anywhere to carry on.")
            font.pixelSize: Theme.pause.textFont * overlay.scaling
            color: Theme.text
        }
        PillButton {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Resume")
            fontSize: Theme.pause.resumeFont * overlay.scaling
            primary: true
            onClicked: overlay.resume()
        }
        PillButton {
            objectName: "leaveButton"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Leave run")
            fontSize: Theme.pause.leaveFont * overlay.scaling
            onClicked: overlay.leave()
        }
    }
}

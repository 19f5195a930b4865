import QtQuick 2.6
import "Theme.js" as Theme
import "ButtonCue.js" as ButtonCue

// The bar above a page reached from the start screen: back, and the title.
Rectangle {
    id: bar

    property alias title: titleText.text
    property real scaling: 1
    signal back()

    height: titleText.implicitHeight + 2 * Theme.margin * scaling
    color: Theme.panel

    Rectangle {
        id: backButton
        objectName: "backButton"
        anchors.verticalCenter: parent.verticalCenter
        x: Theme.margin * bar.scaling
        width: backText.implicitWidth + 2 * Theme.margin * bar.scaling
        height: parent.height - Theme.margin * bar.scaling
        radius: height / 2
        color: backMouse.pressed ? Theme.panelHighlight : "transparent"
        border.color: Theme.accent

        Text {
            id: backText
            anchors.centerIn: parent
            text: qsTr("Back")
            font.pixelSize: Theme.fontNormal * bar.scaling
            color: Theme.text
        }

        MouseArea {
            id: backMouse
            anchors.fill: parent
            onClicked: {
                ButtonCue.play()
                bar.back()
            }
        }
    }

    Text {
        id: titleText
        anchors.verticalCenter: parent.verticalCenter
        anchors.left: backButton.right
        anchors.leftMargin: Theme.margin * bar.scaling
        anchors.right: parent.right
        anchors.rightMargin: Theme.margin * bar.scaling
        elide: Text.ElideRight
        font.pixelSize: Theme.fontLarge * bar.scaling
        font.bold: true
        color: Theme.accent
    }
}

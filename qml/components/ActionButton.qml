import QtQuick 2.6
import "Theme.js" as Theme

// A plain push button.
Rectangle {
    id: button

    property alias text: label.text
    property bool primary: false
    signal clicked()

    implicitWidth: Math.max(label.implicitWidth + 2 * Theme.margin, 120)
    implicitHeight: label.implicitHeight + Theme.margin
    radius: 8
    opacity: enabled ? 1.0 : 0.4
    color: mouse.pressed ? Theme.panelHighlight : (primary ? Theme.accent : Theme.panel)
    border.color: Theme.accent
    border.width: primary ? 0 : 1

    Text {
        id: label
        anchors.centerIn: parent
        font.pixelSize: Theme.fontNormal
        font.bold: button.primary
        color: button.primary && !mouse.pressed ? Theme.background : Theme.text
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        onClicked: button.clicked()
    }
}

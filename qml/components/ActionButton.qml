import QtQuick 2.6
import "Theme.js" as Theme
import "ButtonCue.js" as ButtonCue

// A plain push button.
Rectangle {
    id: button

    property alias text: label.text
    property bool primary: false
    property QtObject look: Look {}
    signal clicked()

    implicitWidth: Math.max(label.implicitWidth + 2 * look.margin, 6 * look.fontNormal)
    implicitHeight: label.implicitHeight + look.margin
    radius: look.radius
    opacity: enabled ? 1.0 : 0.4
    color: mouse.pressed ? look.panelHighlight : (primary ? look.accent : look.panel)
    border.color: look.accent
    border.width: primary ? 0 : 1

    Text {
        id: label
        anchors.centerIn: parent
        font.pixelSize: look.fontNormal
        font.bold: button.primary
        color: button.primary && !mouse.pressed ? Theme.background : look.text
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        onClicked: {
            ButtonCue.play()
            button.clicked()
        }
    }
}

import QtQuick 2.6
import "Theme.js" as Theme
import "ButtonCue.js" as ButtonCue

// A rounded button whose size follows the font size it is given.
Rectangle {
    id: button

    property alias text: label.text
    property real fontSize: Theme.fontNormal
    property bool primary: false
    property bool chosen: false
    signal clicked()

    implicitWidth: label.implicitWidth + 2.4 * fontSize
    implicitHeight: label.implicitHeight + 1.1 * fontSize
    radius: height / 2
    opacity: enabled ? 1.0 : 0.4
    color: mouse.pressed ? Theme.panelHighlight
                         : (primary || chosen ? Theme.accent : Theme.panel)
    border.color: Theme.accent
    border.width: primary || chosen ? 0 : Math.max(1, fontSize / 12)

    Text {
        id: label
        anchors.centerIn: parent
        font.pixelSize: button.fontSize
        font.bold: button.primary || button.chosen
        color: (button.primary || button.chosen) && !mouse.pressed ? Theme.background : Theme.text
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

import QtQuick 2.6
import "Theme.js" as Theme

// One line of text input with its label above it.
Column {
    id: field

    property alias label: caption.text
    property alias text: input.text
    property alias placeholder: hint.text
    property alias inputMethodHints: input.inputMethodHints

    spacing: 4

    Text {
        id: caption
        width: parent.width
        elide: Text.ElideRight
        font.pixelSize: Theme.fontSmall
        color: Theme.secondaryText
    }

    Rectangle {
        width: parent.width
        height: input.implicitHeight + Theme.spacing
        radius: 6
        color: Theme.fieldBackground
        border.color: input.activeFocus ? Theme.accent : Theme.panelHighlight

        TextInput {
            id: input
            anchors.fill: parent
            anchors.margins: Theme.spacing / 2
            anchors.leftMargin: Theme.spacing
            verticalAlignment: TextInput.AlignVCenter
            font.pixelSize: Theme.fontNormal
            color: Theme.text
            selectByMouse: true
            clip: true
        }

        Text {
            id: hint
            anchors.fill: input
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: Theme.fontNormal
            color: Theme.secondaryText
            visible: input.text.length === 0 && !input.activeFocus
        }
    }
}

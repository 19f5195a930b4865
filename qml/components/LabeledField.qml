import QtQuick 2.6
import "Theme.js" as Theme

// One line of text input with its label above it.
Column {
    id: field

    property alias label: caption.text
    property alias text: input.text
    property alias placeholder: hint.text
    property alias inputMethodHints: input.inputMethodHints
    property QtObject look: Look {}

    spacing: look.spacing / 2

    Text {
        id: caption
        width: parent.width
        elide: Text.ElideRight
        font.pixelSize: look.fontSmall
        color: look.secondaryText
    }

    Rectangle {
        width: parent.width
        height: input.implicitHeight + look.spacing
        radius: look.radius * 0.75
        color: Theme.fieldBackground
        border.color: input.activeFocus ? look.accent : look.panelHighlight

        TextInput {
            id: input
            anchors.fill: parent
            anchors.margins: look.spacing / 2
            anchors.leftMargin: look.spacing
            verticalAlignment: TextInput.AlignVCenter
            font.pixelSize: look.fontNormal
            color: look.text
            selectByMouse: true
            clip: true
        }

        Text {
            id: hint
            anchors.fill: input
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: look.fontNormal
            color: look.secondaryText
            visible: input.text.length === 0 && !input.activeFocus
        }
    }
}

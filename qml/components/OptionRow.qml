import QtQuick 2.6
import "Theme.js" as Theme
import "ButtonCue.js" as ButtonCue

// A row of mutually exclusive options; `value` is the chosen option's value.
Column {
    id: row

    property alias label: caption.text
    // [{ value: ..., text: ... }, ...]
    property var options: []
    property var value
    property QtObject look: Look {}

    // A tap on an option, before `value` takes it.
    signal picked(var value)

    spacing: look.spacing / 2

    Text {
        id: caption
        font.pixelSize: look.fontSmall
        color: look.secondaryText
    }

    Flow {
        width: parent.width
        spacing: look.spacing / 2

        Repeater {
            model: row.options

            Rectangle {
                readonly property bool chosen: row.value === modelData.value
                width: optionText.implicitWidth + 2 * look.margin
                height: optionText.implicitHeight + look.spacing
                radius: height / 2
                color: chosen ? look.accent : look.panel
                border.color: look.accent

                Text {
                    id: optionText
                    anchors.centerIn: parent
                    text: modelData.text
                    font.pixelSize: look.fontSmall
                    color: parent.chosen ? Theme.background : look.text
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        ButtonCue.play()
                        row.picked(modelData.value)
                        row.value = modelData.value
                    }
                }
            }
        }
    }
}

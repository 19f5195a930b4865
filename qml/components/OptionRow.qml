import QtQuick 2.6
import "Theme.js" as Theme

// A row of mutually exclusive options; `value` is the chosen option's value.
Column {
    id: row

    property alias label: caption.text
    // [{ value: ..., text: ... }, ...]
    property var options: []
    property var value

    spacing: 4

    Text {
        id: caption
        font.pixelSize: Theme.fontSmall
        color: Theme.secondaryText
    }

    Flow {
        width: parent.width
        spacing: Theme.spacing / 2

        Repeater {
            model: row.options

            Rectangle {
                readonly property bool chosen: row.value === modelData.value
                width: optionText.implicitWidth + 2 * Theme.margin
                height: optionText.implicitHeight + Theme.spacing
                radius: height / 2
                color: chosen ? Theme.accent : Theme.panel
                border.color: Theme.accent

                Text {
                    id: optionText
                    anchors.centerIn: parent
                    text: modelData.text
                    font.pixelSize: Theme.fontSmall
                    color: parent.chosen ? Theme.background : Theme.text
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: row.value = modelData.value
                }
            }
        }
    }
}

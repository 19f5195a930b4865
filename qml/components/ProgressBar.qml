import QtQuick 2.6
import "Theme.js" as Theme

Rectangle {
    property int value: 0
    property int maximum: 1

    implicitHeight: 8
    radius: height / 2
    color: Theme.fieldBackground

    Rectangle {
        width: parent.maximum > 0
               ? parent.width * Math.min(1, Math.max(0, parent.value / parent.maximum)) : 0
        height: parent.height
        radius: parent.radius
        color: parent.value >= parent.maximum ? Theme.good : Theme.accent
    }
}

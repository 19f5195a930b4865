import QtQuick 2.6
import "Theme.js" as Theme

Rectangle {
    property int value: 0
    property int maximum: 1
    property QtObject look: Look {}

    implicitHeight: look.spacing * 0.8
    radius: height / 2
    color: Theme.fieldBackground

    Rectangle {
        width: parent.maximum > 0
               ? parent.width * Math.min(1, Math.max(0, parent.value / parent.maximum)) : 0
        height: parent.height
        radius: parent.radius
        color: parent.value >= parent.maximum ? look.good : look.accent
    }
}

import QtQuick 2.6
import "../components/Theme.js" as Theme

// A dashed line across the tower where the last run of the mode ended, with
// a badge over the spot. Its y is the line's; `badgeX` is the spot's centre.
Item {
    id: marker
    objectName: "deathMarker"

    property real badgeX: 0
    property real scaling: 1

    Repeater {
        model: 18
        Rectangle {
            x: index * marker.width / 18
            y: -height / 2
            width: marker.width / 36
            height: Math.max(2, Theme.tower.deathLineWidth * marker.scaling)
            color: Theme.tower.deathLine
            opacity: 0.7
        }
    }

    Rectangle {
        x: Math.max(0, Math.min(marker.width - width, marker.badgeX - width / 2))
        y: -height - Theme.tower.deathBadgeGap * marker.scaling
        width: badgeText.implicitWidth + Theme.tower.deathBadgePaddingX * marker.scaling
        height: badgeText.implicitHeight + Theme.tower.deathBadgePaddingY * marker.scaling
        radius: height / 2
        color: Theme.tower.deathBadge

        Text {
            id: badgeText
            anchors.centerIn: parent
            text: qsTr("Last death")
            font.pixelSize: Theme.tower.deathBadgeFont * marker.scaling
            font.bold: true
            color: Theme.brightText
        }
    }
}

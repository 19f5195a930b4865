import QtQuick 2.6
import "../components/Theme.js" as Theme

// One pooled piece of the tower as it looks: a wall, a block or a power-up.
// Where it stands is the world's business.
Item {
    id: piece

    property string kind
    property bool moving: false
    property string powerUp
    // The section's number, shown on its wall's left piece; -1 for none.
    property int number: -1
    // Pixels per world unit.
    property real unit: 1
    // The power-up pulses only while the game draws frames.
    property bool live: false

    Rectangle {
        visible: piece.kind === "wall"
        anchors.fill: parent
        radius: Theme.tower.wallRadius * piece.unit
        gradient: Gradient {
            GradientStop { position: 0.0; color: Theme.tower.wallLight }
            GradientStop { position: 0.3; color: Theme.tower.wallMiddle }
            GradientStop { position: 1.0; color: Theme.tower.wallDark }
        }
        border.color: piece.moving ? Theme.tower.movingEdge : Theme.tower.wallEdge
        border.width: Math.max(1, Theme.tower.edgeWidth * piece.unit)
    }

    Text {
        visible: piece.number >= 0
        anchors.right: parent.right
        anchors.rightMargin: Theme.tower.numberMargin * piece.unit
        anchors.verticalCenter: parent.verticalCenter
        text: piece.number
        font.pixelSize: parent.height * 0.7
        font.bold: true
        color: Theme.tower.wallNumber
    }

    Rectangle {
        visible: piece.kind === "block"
        anchors.fill: parent
        radius: Theme.tower.blockRadius * piece.unit
        gradient: Gradient {
            GradientStop {
                position: 0.0
                color: piece.moving ? Theme.tower.movingBlockLight : Theme.tower.blockLight
            }
            GradientStop {
                position: 1.0
                color: piece.moving ? Theme.tower.movingBlockDark : Theme.tower.blockDark
            }
        }
        border.color: Theme.tower.blockEdge
        border.width: Math.max(1, Theme.tower.edgeWidth * piece.unit)
    }

    Image {
        visible: piece.kind === "powerup"
        anchors.centerIn: parent
        width: parent.width * 1.3
        height: width
        source: piece.kind === "powerup" && piece.powerUp.length > 0
                ? "qrc:/assets/powerups/" + piece.powerUp + ".svg" : ""
        sourceSize.width: 96
        sourceSize.height: 96
        smooth: true

        SequentialAnimation on scale {
            running: piece.live && piece.kind === "powerup"
            loops: Animation.Infinite
            NumberAnimation { from: 0.9; to: 1.08; duration: 500 }
            NumberAnimation { from: 1.08; to: 0.9; duration: 500 }
        }
    }
}

import QtQuick 2.6
import org.hoplix.game 1.0
import "../components/Theme.js" as Theme

// The bar over a run: the pause button, the score, the best score (the
// run's own once it passes it) and the power-ups that are on.
Item {
    id: hud

    property GameSession session
    property int bestScore: 0
    property real scaling: 1

    height: Theme.hud.height * scaling

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: Theme.hud.shade }
            GradientStop { position: 1.0; color: Theme.hud.shadeEnd }
        }
    }

    Rectangle {
        id: pauseButton
        objectName: "pauseButton"
        x: Theme.hud.margin * hud.scaling
        y: Theme.hud.margin * hud.scaling
        width: Theme.hud.buttonSize * hud.scaling
        height: width
        radius: width / 2
        color: Theme.hud.button
        visible: hud.session.state === GameSession.Running

        Row {
            anchors.centerIn: parent
            spacing: parent.width * 0.14
            Repeater {
                model: 2
                Rectangle {
                    width: pauseButton.width * 0.14
                    height: pauseButton.height * 0.42
                    color: Theme.brightText
                }
            }
        }

        MouseArea {
            anchors.fill: parent
            onClicked: hud.session.pause()
        }
    }

    Text {
        objectName: "scoreText"
        anchors.horizontalCenter: parent.horizontalCenter
        y: Theme.hud.scoreTop * hud.scaling
        text: hud.session.score
        font.pixelSize: Theme.hud.scoreFont * hud.scaling
        font.bold: true
        color: Theme.brightText
        style: Text.Outline
        styleColor: Theme.shadow
    }

    Column {
        anchors.right: parent.right
        anchors.rightMargin: Theme.hud.margin * hud.scaling
        y: Theme.hud.bestTop * hud.scaling

        Text {
            anchors.right: parent.right
            text: qsTr("BEST")
            font.pixelSize: Theme.hud.bestLabelFont * hud.scaling
            font.bold: true
            color: Theme.secondaryText
        }
        Text {
            anchors.right: parent.right
            text: Math.max(hud.bestScore, hud.session.score)
            font.pixelSize: Theme.hud.bestFont * hud.scaling
            font.bold: true
            color: Theme.accent
        }
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        y: Theme.hud.powerUpsTop * hud.scaling
        spacing: Theme.hud.spacing * hud.scaling

        Image {
            visible: hud.session.shieldActive
            width: Theme.hud.powerUpSize * hud.scaling
            height: width
            source: "qrc:/assets/powerups/shield.svg"
            sourceSize.width: 64
            sourceSize.height: 64
        }
        Image {
            visible: hud.session.dashActive
            width: Theme.hud.powerUpSize * hud.scaling
            height: width
            source: "qrc:/assets/powerups/dash.svg"
            sourceSize.width: 64
            sourceSize.height: 64
        }
    }
}

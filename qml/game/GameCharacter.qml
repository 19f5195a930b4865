import QtQuick 2.6
import org.hoplix.game 1.0
import "../components/Theme.js" as Theme

// The character: the worn face, leaning the way it flies, with the dash's
// trail behind it and the shield's bubble around it.
Item {
    id: character
    objectName: "character"

    property GameSession session
    property url skinSource

    Rectangle {
        visible: character.session.dashActive
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height * 0.5
        width: parent.width * 0.7
        height: parent.height * 2.2
        radius: width / 2
        gradient: Gradient {
            GradientStop { position: 0.0; color: Theme.dashTrail }
            GradientStop { position: 1.0; color: Theme.dashTrailEnd }
        }
    }

    Image {
        anchors.fill: parent
        source: character.skinSource
        sourceSize.width: 128
        sourceSize.height: 128
        smooth: true
        rotation: Math.max(-20, Math.min(20, character.session.velocityX / 12))
    }

    Image {
        visible: character.session.shieldActive
        anchors.centerIn: parent
        width: parent.width * 1.6
        height: width
        source: "qrc:/assets/powerups/shield-bubble.svg"
        sourceSize.width: 160
        sourceSize.height: 160
    }
}

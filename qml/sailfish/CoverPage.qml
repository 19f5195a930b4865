import QtQuick 2.6
import org.hoplix.hoplix 1.0
import Sailfish.Silica 1.0
import org.hoplix.game 1.0

// The cover on the home screen: the worn face, the mode's best score and,
// while a run is going or paused, its score. Nothing on it moves. Its action
// pauses a run that is going, or brings the game up.
CoverBackground {
    id: cover
    objectName: "cover"

    property var core
    property string modeId: "endless"
    property var session: null
    readonly property BestScores bestScores: BestScores {
        core: cover.core
    }
    readonly property int bestScore: Math.max(0, modeId === "daily" ? bestScores.daily
                                                                    : bestScores.endless)
    // The skin the player wears, kept current by its own object.
    readonly property WornSkin worn: WornSkin {
        core: cover.core
    }
    readonly property string skinSource: worn.skinId.length > 0 ? worn.imageUrl.toString()
                                                                : "qrc:/assets/skins/default.png"
    readonly property bool runGoing: session !== null
                                     && (session.state === GameSession.Running
                                         || session.state === GameSession.Paused)

    signal action()

    Column {
        anchors.centerIn: parent
        width: parent.width - 2 * Theme.paddingLarge
        spacing: Theme.paddingMedium

        Image {
            objectName: "coverFace"
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width * 0.5
            height: width
            source: cover.skinSource
            sourceSize.width: 128
            sourceSize.height: 128
            smooth: true
        }

        Text {
            objectName: "coverRunScore"
            anchors.horizontalCenter: parent.horizontalCenter
            visible: cover.runGoing
            text: cover.session ? cover.session.score : ""
            font.pixelSize: Theme.fontSizeHuge
            font.bold: true
            color: Theme.primaryColor
        }

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: cover.runGoing
            text: cover.session && cover.session.watching
                  ? qsTr("Watching a replay")
                  : (cover.session && cover.session.state === GameSession.Paused ? qsTr("Paused")
                                                                                : qsTr("Playing"))
            font.pixelSize: Theme.fontSizeExtraSmall
            color: Theme.secondaryColor
        }

        Text {
            objectName: "coverBest"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: qsTr("Best score: %1").arg(cover.bestScore)
            font.pixelSize: cover.runGoing ? Theme.fontSizeExtraSmall : Theme.fontSizeMedium
            color: cover.runGoing ? Theme.secondaryColor : Theme.highlightColor
        }
    }

    CoverActionList {
        CoverAction {
            objectName: "coverAction"
            iconSource: cover.session && cover.session.state === GameSession.Running
                        ? "image://theme/icon-cover-pause" : "image://theme/icon-cover-play"
            onTriggered: cover.action()
        }
    }
}

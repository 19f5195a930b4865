import QtQuick 2.6
import "../components"
import "../components/Theme.js" as Theme

// After a run: why it ended, its score against the best, the rewards it
// brought once it is settled, and the ways on. A tap anywhere plays again.
Rectangle {
    id: over
    objectName: "gameOverOverlay"

    property real scaling: 1
    // What ended the run: "wall", "block", "fall", or anything else.
    property string endReason
    property int score: 0
    property int bestScore: 0
    property bool newBest: false
    // False until the run's settlement has come back.
    property bool settled: false
    // The run shown, to say whether it is kept yet.
    property string runId: ""
    // The rewards of the settlement, {code, skinId, skinPath} each.
    property var rewards: []

    signal playAgain()
    signal menu()

    function title(reason) {
        switch (reason) {
        case "wall": return qsTr("Hit a wall")
        case "block": return qsTr("Hit a block")
        case "fall": return qsTr("Fell off the screen")
        }
        return qsTr("Run over")
    }

    color: Theme.over.shade

    MouseArea {
        anchors.fill: parent
        onClicked: over.playAgain()
    }

    Rectangle {
        anchors.centerIn: parent
        width: parent.width * 0.86
        height: card.height + Theme.over.padding * over.scaling
        radius: Theme.over.radius * over.scaling
        color: Theme.panel
        border.color: Theme.over.cardEdge
        border.width: Math.max(1, Theme.over.edgeWidth * over.scaling)

        Column {
            id: card
            anchors.centerIn: parent
            width: parent.width - Theme.over.padding * over.scaling
            spacing: Theme.over.spacing * over.scaling

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: over.title(over.endReason)
                font.pixelSize: Theme.over.titleFont * over.scaling
                font.bold: true
                color: Theme.bad
            }
            Text {
                objectName: "finalScore"
                anchors.horizontalCenter: parent.horizontalCenter
                text: over.score
                font.pixelSize: Theme.over.scoreFont * over.scaling
                font.bold: true
                color: Theme.brightText
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: over.newBest ? qsTr("New best score!")
                                   : qsTr("Best score: %1").arg(over.bestScore)
                font.pixelSize: Theme.over.bestFont * over.scaling
                font.bold: over.newBest
                color: over.newBest ? Theme.accent : Theme.secondaryText
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                visible: !over.settled
                text: qsTr("Saving the run…")
                font.pixelSize: Theme.over.savingFont * over.scaling
                color: Theme.secondaryText
            }
            RunSavedNote {
                anchors.horizontalCenter: parent.horizontalCenter
                runId: over.runId
                scaling: over.scaling
            }

            Repeater {
                objectName: "rewardList"
                model: over.rewards

                Rectangle {
                    width: card.width
                    height: Theme.over.rewardHeight * over.scaling
                    radius: Theme.over.rewardRadius * over.scaling
                    color: Theme.panelHighlight
                    border.color: Theme.accent
                    border.width: Math.max(1, Theme.over.edgeWidth * over.scaling)

                    SkinImage {
                        id: rewardSkin
                        x: Theme.over.rewardPadding * over.scaling
                        anchors.verticalCenter: parent.verticalCenter
                        width: Theme.over.rewardSkin * over.scaling
                        height: width
                        source: modelData.skinPath || ""
                    }
                    Column {
                        anchors.left: rewardSkin.right
                        anchors.leftMargin: Theme.over.rewardGap * over.scaling
                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: Theme.over.rewardSpacing * over.scaling

                        Text {
                            width: parent.width
                            elide: Text.ElideRight
                            text: names.achievementTitle(modelData.code)
                            font.pixelSize: Theme.over.rewardTitleFont * over.scaling
                            font.bold: true
                            color: Theme.accent
                        }
                        Text {
                            width: parent.width
                            elide: Text.ElideRight
                            text: qsTr("New skin: %1").arg(modelData.skinId || "")
                            font.pixelSize: Theme.over.rewardTextFont * over.scaling
                            color: Theme.text
                        }
                    }
                }
            }

            PillButton {
                objectName: "playAgainButton"
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Play again")
                fontSize: Theme.over.againFont * over.scaling
                primary: true
                onClicked: over.playAgain()
            }
            PillButton {
                objectName: "menuButton"
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Menu")
                fontSize: Theme.over.menuFont * over.scaling
                onClicked: over.menu()
            }
        }
    }

    Names {
        id: names
    }
}

import QtQuick 2.6
import org.hoplix.hoplix 1.0
import "../components"
import "../components/Theme.js" as Theme

// The stored runs of one mode, newest first, with its best score and the
// place of the latest death. The list is the backend's paged model: it reads
// the next runs as the list scrolls towards its end, and refreshes itself
// after every stored run. Each shell puts `model`, `header` and `delegate`
// into a list view of its own kind and tells `count` back.
QtObject {
    id: page

    property var core
    property QtObject look: Look {}
    property int count: 0
    readonly property GameRecordModel model: GameRecordModel {
        core: page.core
        modeId: page.mode
        onModelReset: page.reload()
    }
    property string mode: "endless"
    property int bestScore: 0
    property var deathPosition

    // A run code to watch (race false), or to race as a ghost.
    signal replayAsked(string code, bool race)

    function reload() {
        if (!core)
            return
        bestScore = core.highestScore(mode)
        deathPosition = core.latestDeathPosition(mode)
    }

    onModeChanged: reload()
    Component.onCompleted: reload()

    property QtObject names: Names {}

    // Given the width of its parent, which the shell sets.
    property Component header: Column {
        width: parent ? parent.width : 0
        spacing: look.spacing

        LabeledField {
            look: page.look
            width: parent.width
            label: qsTr("Mode (empty for all modes)")
            text: page.mode
            onTextChanged: page.mode = text
        }

        Text {
            text: qsTr("Best score: %1").arg(page.bestScore)
            font.pixelSize: look.fontNormal
            font.bold: true
            color: look.text
        }

        Text {
            width: parent.width
            wrapMode: Text.Wrap
            text: page.deathPosition
                  ? qsTr("Latest death at y %1, x %2").arg(page.deathPosition.y).arg(page.deathPosition.x)
                  : qsTr("The latest run left no death position.")
            font.pixelSize: look.fontNormal
            color: look.text
        }

        RunCodeField {
            look: page.look
            width: parent.width
            onChosen: page.replayAsked(code, race)
        }

        Text {
            visible: page.count === 0
            text: qsTr("No runs yet.")
            font.pixelSize: look.fontNormal
            color: look.secondaryText
        }
    }

    property Component delegate: Rectangle {
        x: look.margin
        width: ListView.view.width - 2 * look.margin
        height: details.height + 2 * look.spacing
        radius: look.radius
        color: look.panel

        Column {
            id: details
            x: look.margin
            y: look.spacing
            width: parent.width - 2 * look.margin
            spacing: look.spacing / 4

            Row {
                spacing: look.margin

                Text {
                    text: qsTr("%1 points").arg(model.score)
                    font.pixelSize: look.fontNormal
                    font.bold: true
                    color: look.accent
                }
                Text {
                    text: names.endReason(model.endReason) + " · " + model.modeId
                    font.pixelSize: look.fontSmall
                    color: look.text
                }
            }
            Text {
                width: parent.width
                wrapMode: Text.Wrap
                text: qsTr("Jumps %1 (at most %2 in a section), walls %3, blocks %4")
                      .arg(model.jumpCount).arg(model.maxSectionJumpCount)
                      .arg(model.wallCollisionCount).arg(model.blockCollisionCount)
                font.pixelSize: look.fontSmall
                color: look.secondaryText
            }
            Text {
                width: parent.width
                elide: Text.ElideRight
                text: model.createdAt
                font.pixelSize: look.fontSmall
                color: look.secondaryText
            }
            RunReplayActions {
                core: page.core
                look: page.look
                runId: model.componentId
                hasReplay: model.hasReplay
                onChosen: page.replayAsked(code, race)
            }
        }
    }
}

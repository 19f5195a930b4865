import QtQuick 2.6
import "../components"
import "../components/Theme.js" as Theme

// The stored runs of one mode, newest first, with its best score and the
// place of the latest death. The list is the backend's paged model: it reads
// the next runs as the list scrolls towards its end, and refreshes itself
// after every stored run.
ListView {
    id: page

    property var core
    property int revision: 0
    property string mode: "endless"
    property int bestScore: 0
    property var deathPosition

    function reload() {
        if (!core)
            return
        core.gameRecordModel.modeId = mode
        bestScore = core.highestScore(mode)
        deathPosition = core.latestDeathPosition(mode)
    }

    onModeChanged: reload()
    onRevisionChanged: reload()
    onVisibleChanged: if (visible) reload()
    Component.onCompleted: reload()

    model: core ? core.gameRecordModel : null
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    spacing: Theme.spacing
    topMargin: Theme.margin
    bottomMargin: Theme.margin

    Names {
        id: names
    }

    header: Column {
        x: Theme.margin
        width: page.width - 2 * Theme.margin
        spacing: Theme.spacing

        SectionHeader {
            width: parent.width
            text: qsTr("Runs")
        }

        LabeledField {
            width: parent.width
            label: qsTr("Mode (empty for all modes)")
            text: page.mode
            onTextChanged: page.mode = text
        }

        Text {
            text: qsTr("Best score: %1").arg(page.bestScore)
            font.pixelSize: Theme.fontNormal
            font.bold: true
            color: Theme.text
        }

        Text {
            width: parent.width
            wrapMode: Text.Wrap
            text: page.deathPosition
                  ? qsTr("Latest death at y %1, x %2").arg(page.deathPosition.y).arg(page.deathPosition.x)
                  : qsTr("The latest run left no death position.")
            font.pixelSize: Theme.fontNormal
            color: Theme.text
        }

        Text {
            visible: page.count === 0
            text: qsTr("No runs yet.")
            font.pixelSize: Theme.fontNormal
            color: Theme.secondaryText
        }
    }

    delegate: Rectangle {
        x: Theme.margin
        width: page.width - 2 * Theme.margin
        height: details.height + 2 * Theme.spacing
        radius: 8
        color: Theme.panel

        Column {
            id: details
            x: Theme.margin
            y: Theme.spacing
            width: parent.width - 2 * Theme.margin
            spacing: 2

            Row {
                spacing: Theme.margin

                Text {
                    text: qsTr("%1 points").arg(model.score)
                    font.pixelSize: Theme.fontNormal
                    font.bold: true
                    color: Theme.accent
                }
                Text {
                    text: names.endReason(model.endReason) + " · " + model.modeId
                    font.pixelSize: Theme.fontSmall
                    color: Theme.text
                }
            }
            Text {
                width: parent.width
                wrapMode: Text.Wrap
                text: qsTr("Jumps %1 (at most %2 in a section), walls %3, blocks %4")
                      .arg(model.jumpCount).arg(model.maxSectionJumpCount)
                      .arg(model.wallCollisionCount).arg(model.blockCollisionCount)
                font.pixelSize: Theme.fontSmall
                color: Theme.secondaryText
            }
            Text {
                width: parent.width
                elide: Text.ElideRight
                text: model.createdAt
                font.pixelSize: Theme.fontSmall
                color: Theme.secondaryText
            }
        }
    }
}

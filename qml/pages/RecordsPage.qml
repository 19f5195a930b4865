import QtQuick 2.6
import "../components"
import "../components/Theme.js" as Theme

// The stored runs of one mode, newest first, with its best score and the
// place of the latest death.
Page {
    id: page

    property var core
    property int revision: 0
    property var records: []
    property int bestScore: 0
    property var deathPosition

    function reload() {
        if (!core)
            return
        var mode = modeField.text
        records = core.gameRecords(mode)
        bestScore = core.highestScore(mode)
        deathPosition = core.latestDeathPosition(mode)
    }

    onRevisionChanged: reload()
    onVisibleChanged: if (visible) reload()
    Component.onCompleted: reload()

    Names {
        id: names
    }

    SectionHeader {
        width: parent.width
        text: qsTr("Runs")
    }

    LabeledField {
        id: modeField
        width: parent.width
        label: qsTr("Mode (empty for all modes)")
        text: "endless"
        onTextChanged: page.reload()
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
        visible: page.records.length === 0
        text: qsTr("No runs yet.")
        font.pixelSize: Theme.fontNormal
        color: Theme.secondaryText
    }

    Repeater {
        model: page.records

        Rectangle {
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
                        text: qsTr("%1 points").arg(modelData.score)
                        font.pixelSize: Theme.fontNormal
                        font.bold: true
                        color: Theme.accent
                    }
                    Text {
                        text: names.endReason(modelData.endReason) + " · " + modelData.modeId
                        font.pixelSize: Theme.fontSmall
                        color: Theme.text
                    }
                }
                Text {
                    width: parent.width
                    wrapMode: Text.Wrap
                    text: qsTr("Jumps %1 (at most %2 in a section), walls %3, blocks %4")
                          .arg(modelData.jumpCount).arg(modelData.maxSectionJumpCount)
                          .arg(modelData.wallCollisionCount).arg(modelData.blockCollisionCount)
                    font.pixelSize: Theme.fontSmall
                    color: Theme.secondaryText
                }
                Text {
                    width: parent.width
                    elide: Text.ElideRight
                    text: modelData.createdAt
                    font.pixelSize: Theme.fontSmall
                    color: Theme.secondaryText
                }
            }
        }
    }
}

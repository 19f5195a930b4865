import QtQuick 2.6
import org.hoplix.hoplix 1.0
import "components"
import "pages"
import "components/Theme.js" as Theme

// Reference front end: shows what the backend offers and lets a player or a
// front-end developer try each part of it by hand.
Rectangle {
    id: root

    // The page on show: 0 run, 1 achievements, 2 skins, 3 runs, 4 settings.
    property int currentPage: 0
    // Raised whenever stored data may have changed, so pages read it again.
    property int revision: 0

    width: 540
    height: 960
    color: Theme.background

    ApplicationCore {
        id: core

        onGameSettled: {
            runPage.showSettlement(gameId, success, rewards, bestScore)
            root.revision++
        }
        onSkinRewardsAcknowledged: {
            runPage.showAcknowledgement(requestId, success)
            root.revision++
        }
    }

    Rectangle {
        id: titleBar
        width: parent.width
        height: title.implicitHeight + 2 * Theme.margin
        color: Theme.panel

        Text {
            id: title
            anchors.verticalCenter: parent.verticalCenter
            x: Theme.margin
            text: "Hoplix"
            font.pixelSize: Theme.fontLarge + 6
            font.bold: true
            color: Theme.accent
        }

        Text {
            anchors.verticalCenter: parent.verticalCenter
            anchors.right: parent.right
            anchors.rightMargin: Theme.margin
            text: qsTr("Best score: %1").arg(bestScoreAll)
            font.pixelSize: Theme.fontNormal
            color: Theme.text

            property int bestScoreAll: {
                root.revision
                return core.highestScore()
            }
        }
    }

    Row {
        id: tabs
        anchors.top: titleBar.bottom
        width: parent.width

        Repeater {
            model: [qsTr("Run"), qsTr("Achievements"), qsTr("Skins"), qsTr("Runs"), qsTr("Settings")]

            Rectangle {
                width: tabs.width / 5
                height: tabText.implicitHeight + 2 * Theme.spacing
                color: root.currentPage === index ? Theme.panelHighlight : Theme.panel

                Text {
                    id: tabText
                    anchors.centerIn: parent
                    width: parent.width - 4
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    text: modelData
                    font.pixelSize: Theme.fontSmall - 2
                    font.bold: root.currentPage === index
                    color: root.currentPage === index ? Theme.accent : Theme.text
                }

                Rectangle {
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: 3
                    color: Theme.accent
                    visible: root.currentPage === index
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: root.currentPage = index
                }
            }
        }
    }

    Item {
        id: pages
        anchors.top: tabs.bottom
        anchors.bottom: parent.bottom
        width: parent.width

        RunPage {
            id: runPage
            anchors.fill: parent
            visible: root.currentPage === 0
            core: core
        }
        AchievementsPage {
            anchors.fill: parent
            visible: root.currentPage === 1
            core: core
            revision: root.revision
        }
        SkinsPage {
            anchors.fill: parent
            visible: root.currentPage === 2
            core: core
            revision: root.revision
            onChanged: root.revision++
        }
        RecordsPage {
            anchors.fill: parent
            visible: root.currentPage === 3
            core: core
            revision: root.revision
        }
        SettingsPage {
            id: settingsPage
            anchors.fill: parent
            visible: root.currentPage === 4
            core: core
        }
    }

    // Tells whoever reads the log (and the start-up test) that the front end
    // is up, and which translation it got.
    Component.onCompleted: console.log("[harbour-hoplix] front end loaded:", settingsPage.interfaceLanguage)
}

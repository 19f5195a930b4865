import QtQuick 2.6
import org.hoplix.hoplix 1.0
import "components"
import "pages"
import "components/Theme.js" as Theme

// Hoplix: the start screen, the game, and the pages reached from the start
// screen. Every view takes its size from this item.
Rectangle {
    id: root

    // "start", "game", "achievements", "skins", "runs", "settings" or
    // "developer".
    property string screen: "start"
    // Raised whenever stored data may have changed, so pages read it again.
    property int revision: 0
    readonly property real scaling: width / 540
    readonly property var titles: ({
        "achievements": qsTr("Achievements"),
        "skins": qsTr("Skins"),
        "runs": qsTr("Runs"),
        "settings": qsTr("Settings"),
        "developer": qsTr("Developer: finish a run")
    })

    width: 540
    height: 960
    color: Theme.background

    function show(name) {
        if (name === "game") {
            screen = "game"
            gamePage.open(startPage.modeId)
        } else {
            screen = name
        }
    }

    ApplicationCore {
        id: core

        onGameSettled: {
            gamePage.showSettlement(gameId, success, rewards, bestScore)
            developerPage.showSettlement(gameId, success, rewards, bestScore)
            root.revision++
        }
        onSkinRewardsAcknowledged: {
            gamePage.showAcknowledgement(requestId, success)
            developerPage.showAcknowledgement(requestId, success)
            root.revision++
        }
    }

    StartPage {
        id: startPage
        anchors.fill: parent
        visible: root.screen === "start"
        core: core
        revision: root.revision
        onPlay: root.show("game")
        onOpenPage: root.show(name)
    }

    GamePage {
        id: gamePage
        anchors.fill: parent
        visible: root.screen === "game"
        core: core
        onLeave: {
            root.revision++
            root.screen = "start"
        }
    }

    Item {
        id: pages
        anchors.fill: parent
        visible: root.screen !== "start" && root.screen !== "game"

        HeaderBar {
            id: header
            width: parent.width
            scaling: root.scaling
            title: root.titles[root.screen] || ""
            onBack: root.screen = "start"
        }

        Item {
            anchors.top: header.bottom
            anchors.bottom: parent.bottom
            width: parent.width

            AchievementsPage {
                anchors.fill: parent
                visible: root.screen === "achievements"
                core: core
                revision: root.revision
            }
            SkinsPage {
                anchors.fill: parent
                visible: root.screen === "skins"
                core: core
                revision: root.revision
                onChanged: root.revision++
            }
            RecordsPage {
                anchors.fill: parent
                visible: root.screen === "runs"
                core: core
                revision: root.revision
            }
            SettingsPage {
                id: settingsPage
                anchors.fill: parent
                visible: root.screen === "settings"
                core: core
            }
            DeveloperPage {
                id: developerPage
                anchors.fill: parent
                visible: root.screen === "developer"
                core: core
            }
        }
    }

    Keys.onEscapePressed: if (root.screen !== "game") root.screen = "start"
    Keys.onBackPressed: if (root.screen !== "game") root.screen = "start"
    focus: root.screen !== "game"

    // Tells whoever reads the log (and the start-up test) that the front end
    // is up, and which translation it got.
    Component.onCompleted: {
        // Closing the window or quitting while a run is going stores it.
        Qt.application.aboutToQuit.connect(gamePage.storeOnQuit)
        console.log("[harbour-hoplix] front end loaded:", settingsPage.interfaceLanguage)
    }
}

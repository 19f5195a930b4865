import QtQuick 2.6
import org.hoplix.hoplix 1.0
import "components"
import "pages"
import "components/Theme.js" as Theme

// The desktop shell: the start screen, the game, and the pages reached from
// the start screen, one at a time in one window, with a back button. Every
// view takes its size from this item, the view's root object: the desktop
// build installs this file as qml/harbour-hoplix.qml.
Rectangle {
    id: root
    objectName: "desktopShell"

    // "start", "game", "achievements", "skins", "runs", "settings" or
    // "developer".
    property string screen: "start"
    readonly property real scaling: width / 540

    // The window opens in a phone's proportions; from then on the view sizes
    // this item.
    width: 540
    height: 960

    color: Theme.background

    Look {
        id: shellLook
        scaling: root.scaling
    }

    function show(name) {
        if (name === "game") {
            screen = "game"
            gamePage.open(startPage.modeId)
        } else {
            screen = name
        }
    }

    // A run code from the runs page, watched or raced on the game page.
    function replay(code, race) {
        screen = "game"
        if (race)
            gamePage.replays.race(code)
        else
            gamePage.replays.watch(code)
    }

    ApplicationCore {
        id: core
    }

    PageSounds {
        core: core
    }

    StartPage {
        id: startPage
        anchors.fill: parent
        visible: root.screen === "start"
        core: core
        onPlay: root.show("game")
        onOpenPage: root.show(name)
    }

    GamePage {
        id: gamePage
        anchors.fill: parent
        visible: root.screen === "game"
        core: core
        onLeave: root.screen = "start"
    }

    Item {
        id: pages
        anchors.fill: parent
        visible: root.screen !== "start" && root.screen !== "game"

        HeaderBar {
            id: header
            width: parent.width
            scaling: root.scaling
            title: pageNames.pageTitle(root.screen)
            onBack: root.screen = "start"
        }

        Item {
            anchors.top: header.bottom
            anchors.bottom: parent.bottom
            width: parent.width

            ScrollPage {
                anchors.fill: parent
                visible: root.screen === "achievements"
                look: shellLook
                AchievementsPage {
                    width: parent.width
                    look: shellLook
                    core: core
                }
            }
            ScrollPage {
                anchors.fill: parent
                visible: root.screen === "skins"
                look: shellLook
                SkinsPage {
                    width: parent.width
                    look: shellLook
                    core: core
                }
            }
            ListView {
                id: recordsList
                anchors.fill: parent
                visible: root.screen === "runs"
                onVisibleChanged: if (visible) records.reload()
                // Only while shown: a hidden list view still lays out its
                // delegates and asks the paged model for more on every frame.
                model: visible ? records.model : null
                // No row is chosen; following the current row scrolls to it.
                highlightFollowsCurrentItem: false
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                spacing: shellLook.spacing
                topMargin: shellLook.margin
                bottomMargin: shellLook.margin
                header: Item {
                    width: recordsList.width
                    height: recordsHeader.height + shellLook.spacing
                    Loader {
                        id: recordsHeader
                        x: shellLook.margin
                        width: parent.width - 2 * shellLook.margin
                        sourceComponent: records.header
                    }
                }
                delegate: records.delegate

                RecordsPage {
                    id: records
                    look: shellLook
                    core: core
                    count: recordsList.count
                    onReplayAsked: root.replay(code, race)
                }
            }
            ScrollPage {
                anchors.fill: parent
                visible: root.screen === "settings"
                look: shellLook
                SettingsPage {
                    id: settingsPage
                    width: parent.width
                    look: shellLook
                    core: core
                }
            }
            ScrollPage {
                anchors.fill: parent
                visible: root.screen === "developer"
                look: shellLook
                DeveloperPage {
                    id: developerPage
                    width: parent.width
                    look: shellLook
                    core: core
                }
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

    Names {
        id: pageNames
    }
}

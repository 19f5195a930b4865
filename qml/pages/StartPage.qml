import QtQuick 2.6
import org.hoplix.hoplix 1.0
import "../components"
import "../components/Theme.js" as Theme

// The first thing a player sees: the worn face, the mode's best score, and
// Play. The other pages are one tap away; the developer page hides behind a
// long press on the title.
Item {
    id: page
    objectName: "startPage"

    property var core
    property string modeId: "endless"
    readonly property BestScores bestScores: BestScores {
        core: page.core
    }
    // Unreadable scores (-1) show as none yet.
    readonly property int bestScore: Math.max(0, modeId === "daily" ? bestScores.daily
                                                                    : bestScores.endless)
    // The skin the player wears, kept current by its own object.
    readonly property WornSkin worn: WornSkin {
        core: page.core
    }
    readonly property string skinSource: worn.skinId.length > 0 ? worn.imageUrl.toString()
                                                                : "qrc:/assets/skins/default.png"
    // The buttons for the other pages; a shell with a menu of its own hides them.
    property bool showsPageButtons: true
    // Sizes follow the width, so the page fits any phone and a cover.
    readonly property real scaling: width / 540

    // False while another page covers this one (the phone's page stack
    // keeps it visible underneath).
    property bool current: true
    // The face bounces only while somebody may be looking: the application
    // active, this page on top, and some input in the last half minute.
    readonly property bool live: liveState.live

    signal play()
    signal openPage(string name)


    LiveState {
        id: liveState
        objectName: "startLive"
        current: page.visible && page.current
        idleInterval: 30000
    }


    Backdrop {
        anchors.fill: parent
        scroll: 0
    }

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height * 0.07
        width: parent.width * 0.86
        spacing: 18 * page.scaling

        Text {
            id: title
            anchors.horizontalCenter: parent.horizontalCenter
            text: "HOPLIX"
            font.pixelSize: 76 * page.scaling
            font.bold: true
            font.letterSpacing: 6 * page.scaling
            color: Theme.accent
            style: Text.Raised
            styleColor: "#80000000"

            MouseArea {
                anchors.fill: parent
                onPressAndHold: page.openPage("developer")
            }
        }

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Jump through the gaps. Climb as high as you can.")
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            font.pixelSize: 20 * page.scaling
            color: Theme.secondaryText
        }

        Item {
            width: parent.width
            height: 230 * page.scaling

            Rectangle {
                anchors.centerIn: face
                width: face.width * 1.25
                height: width
                radius: width / 2
                color: "#2a3350"
                opacity: 0.7
            }

            SkinImage {
                id: face
                objectName: "wornSkin"
                anchors.horizontalCenter: parent.horizontalCenter
                width: 170 * page.scaling
                height: width
                source: page.skinSource

                SequentialAnimation on y {
                    running: page.live
                    loops: Animation.Infinite
                    NumberAnimation { from: 40 * page.scaling; to: 10 * page.scaling; duration: 520; easing.type: Easing.OutQuad }
                    NumberAnimation { from: 10 * page.scaling; to: 40 * page.scaling; duration: 520; easing.type: Easing.InQuad }
                }
            }
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 12 * page.scaling

            PillButton {
                objectName: "modeEndless"
                text: qsTr("Endless")
                fontSize: 22 * page.scaling
                chosen: page.modeId === "endless"
                onClicked: page.modeId = "endless"
            }
            PillButton {
                objectName: "modeDaily"
                text: qsTr("Daily tower")
                fontSize: 22 * page.scaling
                chosen: page.modeId === "daily"
                onClicked: page.modeId = "daily"
            }
        }

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Best score: %1").arg(page.bestScore)
            font.pixelSize: 28 * page.scaling
            font.bold: true
            color: Theme.text
        }

        PillButton {
            objectName: "playButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width * 0.7
            text: qsTr("Play")
            fontSize: 36 * page.scaling
            primary: true
            onClicked: page.play()
        }

        Grid {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: page.showsPageButtons
            columns: 2
            spacing: 12 * page.scaling

            Repeater {
                model: ["achievements", "skins", "runs", "settings"]

                PillButton {
                    width: (page.width * 0.86 - 12 * page.scaling) / 2
                    text: pageNames.pageTitle(modelData)
                    fontSize: 20 * page.scaling
                    onClicked: page.openPage(modelData)
                }
            }
        }
    }

    Names {
        id: pageNames
    }
}

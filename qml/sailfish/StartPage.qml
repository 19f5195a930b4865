import QtQuick 2.6
import Sailfish.Silica 1.0
import "../pages" as Shared

// The start screen on the phone: the shared start page under a pull-down
// menu that leads to the other pages.
Page {
    id: page
    objectName: "silicaStartPage"

    property var core
    property int revision: 0
    readonly property string modeId: start.modeId

    signal play()
    signal openPage(string name)

    SilicaFlickable {
        anchors.fill: parent
        contentHeight: height

        PullDownMenu {
            objectName: "startMenu"

            MenuItem {
                text: qsTr("Settings")
                onClicked: page.openPage("settings")
            }
            MenuItem {
                text: qsTr("Runs")
                onClicked: page.openPage("runs")
            }
            MenuItem {
                text: qsTr("Skins")
                onClicked: page.openPage("skins")
            }
            MenuItem {
                text: qsTr("Achievements")
                onClicked: page.openPage("achievements")
            }
        }

        Shared.StartPage {
            id: start
            anchors.fill: parent
            core: page.core
            revision: page.revision
            showsPageButtons: false
            onPlay: page.play()
            onOpenPage: page.openPage(name)
        }
    }
}

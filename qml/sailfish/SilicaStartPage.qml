import QtQuick 2.6
import Sailfish.Silica 1.0
import "../pages" as Shared
import "../components" as Components

// The start screen on the phone: the shared start page under a pull-down
// menu that leads to the other pages.
Page {
    id: page
    objectName: "silicaStartPage"

    property var core
    readonly property string modeId: start.modeId

    signal play()
    signal openPage(string name)

    SilicaFlickable {
        anchors.fill: parent
        contentHeight: height

        PullDownMenu {
            objectName: "startMenu"

            // The last entry of a pull-down menu is the one nearest the page.
            Repeater {
                model: ["settings", "runs", "skins", "achievements"]

                MenuItem {
                    text: pageNames.pageTitle(modelData)
                    onClicked: page.openPage(modelData)
                }
            }
        }

        Shared.StartPage {
            id: start
            anchors.fill: parent
            core: page.core
            showsPageButtons: false
            current: page.status === PageStatus.Active
            onPlay: page.play()
            onOpenPage: page.openPage(name)
        }
    }

    Components.Names {
        id: pageNames
    }
}

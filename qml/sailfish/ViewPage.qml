import QtQuick 2.6
import Sailfish.Silica 1.0
import "../pages" as Shared

// One of the pages reached from the pull-down menu (or, for the developer
// page, a long press on the title): its shared body under a page header.
Page {
    id: page
    objectName: "silicaViewPage"

    // "achievements", "skins", "settings" or "developer".
    property string name
    property alias title: header.title
    property var core
    property QtObject look

    SilicaFlickable {
        anchors.fill: parent
        contentHeight: column.height + Theme.paddingLarge

        Column {
            id: column
            width: parent.width

            PageHeader {
                id: header
            }

            Loader {
                x: page.look.margin
                width: parent.width - 2 * page.look.margin
                sourceComponent: page.name === "achievements" ? achievements
                               : page.name === "skins" ? skins
                               : page.name === "settings" ? settings
                               : page.name === "developer" ? developer : null
            }
        }

        VerticalScrollDecorator {}
    }

    Component {
        id: achievements
        Shared.AchievementsPage {
            look: page.look
            core: page.core
        }
    }

    Component {
        id: skins
        Shared.SkinsPage {
            look: page.look
            core: page.core
        }
    }

    Component {
        id: settings
        Shared.SettingsPage {
            look: page.look
            core: page.core
        }
    }

    Component {
        id: developer
        Shared.DeveloperPage {
            look: page.look
            core: page.core
        }
    }
}

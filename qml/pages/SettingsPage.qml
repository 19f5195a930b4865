import QtQuick 2.6
import org.hoplix.hoplix 1.0
import "../components"
import "../components/Theme.js" as Theme

// Sound, vibration and motion, which take effect at once, and the language
// index that start-up reads at the next start.
Column {
    id: page
    objectName: "settingsView"

    property var core
    property QtObject look: Look {}
    readonly property FrontEndSettings settings: FrontEndSettings {
        core: page.core
    }
    readonly property int language: settings.languageIndex
    // Says which translation is in use; each translation names its own language.
    readonly property string interfaceLanguage: qsTr("Language of this interface: English")

    spacing: look.spacing

    PlaySettings {
        look: page.look
        width: parent.width
        settings: page.settings
    }

    SectionHeader {
        look: page.look
        width: parent.width
        text: qsTr("Language")
    }

    Text {
        width: parent.width
        wrapMode: Text.Wrap
        text: page.interfaceLanguage
        font.pixelSize: look.fontNormal
        color: look.text
    }

    Text {
        width: parent.width
        wrapMode: Text.Wrap
        text: qsTr("Takes effect at the next start.")
        font.pixelSize: look.fontNormal
        color: look.secondaryText
    }

    Repeater {
        // In the order of start-up's language index, each language named in
        // itself so a player can find theirs from any other.
        model: [qsTr("System language"), "简体中文", "English", "Deutsch", "Français",
                "Español", "日本語", "Русский"]

        Rectangle {
            width: page.width
            height: name.implicitHeight + 2 * look.margin
            radius: look.radius
            color: page.language === index ? look.panelHighlight : look.panel

            Rectangle {
                id: mark
                x: look.margin
                anchors.verticalCenter: parent.verticalCenter
                width: look.fontNormal
                height: width
                radius: width / 2
                color: page.language === index ? look.accent : "transparent"
                border.color: look.accent
                border.width: Math.max(1, look.fontNormal / 10)
            }

            Text {
                id: name
                anchors.left: mark.right
                anchors.leftMargin: look.margin
                anchors.verticalCenter: parent.verticalCenter
                text: modelData
                font.pixelSize: look.fontNormal
                color: look.text
            }

            MouseArea {
                anchors.fill: parent
                onClicked: page.settings.languageIndex = index
            }
        }
    }
}

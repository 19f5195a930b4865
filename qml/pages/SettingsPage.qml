import QtQuick 2.6
import "../components"
import "../components/Theme.js" as Theme

// The language index that start-up reads at the next start.
Page {
    id: page

    property var core
    property int language: 2
    // Says which translation is in use; each translation names its own language.
    readonly property string interfaceLanguage: qsTr("Language of this interface: English")

    onCoreChanged: if (core) language = core.appSetting("APP_SETTING", "LANGUAGE", 2)

    SectionHeader {
        width: parent.width
        text: qsTr("Language")
    }

    Text {
        width: parent.width
        wrapMode: Text.Wrap
        text: page.interfaceLanguage
        font.pixelSize: Theme.fontNormal
        color: Theme.text
    }

    Text {
        width: parent.width
        wrapMode: Text.Wrap
        text: qsTr("Takes effect at the next start.")
        font.pixelSize: Theme.fontNormal
        color: Theme.secondaryText
    }

    Repeater {
        // Languages are named in their own language, except the first; the CJK
        // names carry an English one for systems without those fonts.
        model: [qsTr("System language"), "中文 (简体) · Chinese", "English", "Deutsch", "Français",
                "Español", "日本語 · Japanese", "Русский"]

        Rectangle {
            width: page.width - 2 * Theme.margin
            height: name.implicitHeight + 2 * Theme.margin
            radius: 8
            color: page.language === index ? Theme.panelHighlight : Theme.panel

            Rectangle {
                id: mark
                x: Theme.margin
                anchors.verticalCenter: parent.verticalCenter
                width: 20
                height: 20
                radius: 10
                color: page.language === index ? Theme.accent : "transparent"
                border.color: Theme.accent
                border.width: 2
            }

            Text {
                id: name
                anchors.left: mark.right
                anchors.leftMargin: Theme.margin
                anchors.verticalCenter: parent.verticalCenter
                text: modelData
                font.pixelSize: Theme.fontNormal
                color: Theme.text
            }

            MouseArea {
                anchors.fill: parent
                onClicked: {
                    page.core.setAppSetting("APP_SETTING", "LANGUAGE", index)
                    page.language = index
                }
            }
        }
    }
}

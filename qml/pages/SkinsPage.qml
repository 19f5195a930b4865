import QtQuick 2.6
import "../components"
import "../components/Theme.js" as Theme

// All skins; an unlocked one is worn after a tap, locked ones are dimmed.
Page {
    id: page

    property var core
    property int revision: 0
    property var skins: []
    property string status: ""
    signal changed()

    function reload() {
        if (!core)
            return
        skins = core.skins()
    }

    function choose(skin) {
        if (!skin.unlocked) {
            status = qsTr("Locked: an achievement unlocks it.")
        } else if (core.selectSkin(skin.skinId)) {
            status = qsTr("Now wearing %1.").arg(skin.skinName)
            changed()
        } else {
            status = qsTr("Could not select %1.").arg(skin.skinName)
        }
    }

    onRevisionChanged: reload()
    onVisibleChanged: if (visible) reload()
    Component.onCompleted: reload()

    SectionHeader {
        width: parent.width
        text: qsTr("Skins")
    }

    Text {
        width: parent.width
        wrapMode: Text.Wrap
        text: page.status.length > 0 ? page.status : qsTr("Tap an unlocked skin to wear it.")
        font.pixelSize: Theme.fontNormal
        color: Theme.text
    }

    Grid {
        id: grid
        columns: 3
        spacing: Theme.spacing

        Repeater {
            model: page.skins

            Rectangle {
                width: (page.width - 2 * Theme.margin - 2 * grid.spacing) / 3
                height: width + caption.height + Theme.spacing
                radius: 8
                color: modelData.selected ? Theme.panelHighlight : Theme.panel
                border.color: modelData.selected ? Theme.accent : "transparent"
                border.width: 3

                SkinImage {
                    id: face
                    x: Theme.spacing
                    y: Theme.spacing
                    width: parent.width - 2 * Theme.spacing
                    height: width
                    locked: !modelData.unlocked
                    source: modelData.skinPath
                }

                Column {
                    id: caption
                    anchors.top: face.bottom
                    width: parent.width

                    Text {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        elide: Text.ElideRight
                        text: modelData.skinName
                        font.pixelSize: Theme.fontSmall
                        font.bold: true
                        color: Theme.text
                    }
                    Text {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: modelData.selected ? qsTr("Worn")
                                                 : (modelData.unlocked ? qsTr("Unlocked")
                                                                       : qsTr("Locked"))
                        font.pixelSize: Theme.fontSmall
                        color: modelData.selected ? Theme.accent
                                                  : (modelData.unlocked ? Theme.good
                                                                        : Theme.secondaryText)
                    }
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: page.choose(modelData)
                }
            }
        }
    }
}

import QtQuick 2.6
import org.hoplix.hoplix 1.0
import "../components"
import "../components/Theme.js" as Theme

// All skins; an unlocked one is worn after a tap, locked ones are dimmed.
Column {
    id: page
    objectName: "skinsView"

    property var core
    property QtObject look: Look {}
    property var skins: []
    readonly property WornSkin worn: WornSkin {
        core: page.core
        // A choice made anywhere else shows here too.
        onChanged: page.reload()
    }
    property string status: ""

    function reload() {
        if (!core)
            return
        skins = core.skins()
    }

    function choose(skin) {
        if (!skin.unlocked) {
            status = qsTr("Locked: an achievement unlocks it.")
        } else if (worn.wear(skin.skinId)) {
            status = qsTr("Now wearing %1.").arg(skin.skinName)
        } else {
            status = qsTr("Could not select %1.").arg(skin.skinName)
        }
    }

    spacing: look.spacing
    onVisibleChanged: if (visible) reload()
    Component.onCompleted: reload()

    Text {
        width: parent.width
        wrapMode: Text.Wrap
        text: page.status.length > 0 ? page.status : qsTr("Tap an unlocked skin to wear it.")
        font.pixelSize: look.fontNormal
        color: look.text
    }

    Grid {
        id: grid
        columns: 3
        spacing: look.spacing

        Repeater {
            model: page.skins

            Rectangle {
                width: (page.width - 2 * grid.spacing) / 3
                height: width + caption.height + look.spacing
                radius: look.radius
                color: modelData.selected ? look.panelHighlight : look.panel
                border.color: modelData.selected ? look.accent : "transparent"
                border.width: Math.max(1, look.spacing / 3)

                SkinImage {
                    id: face
                    x: look.spacing
                    y: look.spacing
                    width: parent.width - 2 * look.spacing
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
                        font.pixelSize: look.fontSmall
                        font.bold: true
                        color: look.text
                    }
                    Text {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: modelData.selected ? qsTr("Worn")
                                                 : (modelData.unlocked ? qsTr("Unlocked")
                                                                       : qsTr("Locked"))
                        font.pixelSize: look.fontSmall
                        color: modelData.selected ? look.accent
                                                  : (modelData.unlocked ? look.good
                                                                        : look.secondaryText)
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

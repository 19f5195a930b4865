import QtQuick 2.6
import "../components"
import "../components/Theme.js" as Theme

// Every achievement with its progress and reward skin. A hidden condition
// stays hidden until the achievement is unlocked.
Column {
    id: page
    objectName: "achievementsView"

    property var core
    property QtObject look: Look {}
    property int revision: 0
    property var list: ({ "ok": false, "items": [] })
    property var skinPaths: ({})

    function reload() {
        if (!core)
            return
        list = core.achievements()
        var paths = {}
        var skins = core.skins()
        for (var i = 0; i < skins.length; ++i)
            paths[skins[i].componentId] = skins[i].skinPath
        skinPaths = paths
    }

    spacing: look.spacing
    onRevisionChanged: reload()
    onVisibleChanged: if (visible) reload()
    Component.onCompleted: reload()

    Names {
        id: names
    }

    Text {
        width: parent.width
        wrapMode: Text.Wrap
        visible: !page.list.ok
        text: qsTr("Achievements are not available right now.")
        font.pixelSize: look.fontNormal
        color: look.bad
    }

    Repeater {
        model: page.list.items

        Rectangle {
            readonly property bool hidden: !modelData.showCondition && !modelData.unlocked
            width: page.width
            height: Math.max(entry.height, badge.height) + 2 * look.spacing
            radius: look.radius
            color: look.panel

            SkinImage {
                id: badge
                x: look.spacing
                anchors.verticalCenter: parent.verticalCenter
                width: look.iconSize
                height: width
                locked: !modelData.unlocked
                source: page.skinPaths[modelData.rewardSkinId] || ""
            }

            Column {
                id: entry
                anchors.left: badge.right
                anchors.leftMargin: look.margin
                anchors.right: parent.right
                anchors.rightMargin: look.margin
                anchors.verticalCenter: parent.verticalCenter
                spacing: look.spacing / 2

                Row {
                    width: parent.width
                    spacing: look.spacing

                    Text {
                        width: parent.width - stateLabel.width - look.spacing
                        elide: Text.ElideRight
                        text: names.achievementTitle(modelData.code)
                        font.pixelSize: look.fontNormal
                        font.bold: true
                        color: look.text
                    }
                    Text {
                        id: stateLabel
                        text: modelData.unlocked ? qsTr("Unlocked") : qsTr("Locked")
                        font.pixelSize: look.fontSmall
                        color: modelData.unlocked ? look.good : look.secondaryText
                    }
                }
                Text {
                    width: parent.width
                    wrapMode: Text.Wrap
                    text: hidden ? "???" : names.condition(modelData)
                    font.pixelSize: look.fontSmall
                    color: look.secondaryText
                }
                ProgressBar {
                    look: page.look
                    width: parent.width
                    value: modelData.progressValue
                    maximum: modelData.targetValue
                }
                Text {
                    text: hidden ? qsTr("Progress: ???")
                                 : qsTr("Progress: %1 / %2").arg(modelData.progressValue)
                                   .arg(modelData.targetValue)
                    font.pixelSize: look.fontSmall
                    color: look.secondaryText
                }
            }
        }
    }
}

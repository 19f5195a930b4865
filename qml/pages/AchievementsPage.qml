import QtQuick 2.6
import "../components"
import "../components/Theme.js" as Theme

// Every achievement with its progress and reward skin. A hidden condition
// stays hidden until the achievement is unlocked.
Page {
    id: page

    property var core
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

    onRevisionChanged: reload()
    onVisibleChanged: if (visible) reload()
    Component.onCompleted: reload()

    Names {
        id: names
    }

    SectionHeader {
        width: parent.width
        text: qsTr("Achievements")
    }

    Text {
        width: parent.width
        wrapMode: Text.Wrap
        visible: !page.list.ok
        text: qsTr("Achievements are not available right now.")
        font.pixelSize: Theme.fontNormal
        color: Theme.bad
    }

    Repeater {
        model: page.list.items

        Rectangle {
            readonly property bool hidden: !modelData.showCondition && !modelData.unlocked
            width: page.width - 2 * Theme.margin
            height: Math.max(entry.height, badge.height) + 2 * Theme.spacing
            radius: 8
            color: Theme.panel

            SkinImage {
                id: badge
                x: Theme.spacing
                anchors.verticalCenter: parent.verticalCenter
                width: 64
                height: 64
                locked: !modelData.unlocked
                source: page.skinPaths[modelData.rewardSkinId] || ""
            }

            Column {
                id: entry
                anchors.left: badge.right
                anchors.leftMargin: Theme.margin
                anchors.right: parent.right
                anchors.rightMargin: Theme.margin
                anchors.verticalCenter: parent.verticalCenter
                spacing: 4

                Row {
                    width: parent.width
                    spacing: Theme.spacing

                    Text {
                        width: parent.width - stateLabel.width - Theme.spacing
                        elide: Text.ElideRight
                        text: names.achievementTitle(modelData.code)
                        font.pixelSize: Theme.fontNormal
                        font.bold: true
                        color: Theme.text
                    }
                    Text {
                        id: stateLabel
                        text: modelData.unlocked ? qsTr("Unlocked") : qsTr("Locked")
                        font.pixelSize: Theme.fontSmall
                        color: modelData.unlocked ? Theme.good : Theme.secondaryText
                    }
                }
                Text {
                    width: parent.width
                    wrapMode: Text.Wrap
                    text: hidden ? "???" : names.condition(modelData)
                    font.pixelSize: Theme.fontSmall
                    color: Theme.secondaryText
                }
                ProgressBar {
                    width: parent.width
                    value: modelData.progressValue
                    maximum: modelData.targetValue
                }
                Text {
                    text: hidden ? qsTr("Progress: ???")
                                 : qsTr("Progress: %1 / %2").arg(modelData.progressValue)
                                   .arg(modelData.targetValue)
                    font.pixelSize: Theme.fontSmall
                    color: Theme.secondaryText
                }
            }
        }
    }
}

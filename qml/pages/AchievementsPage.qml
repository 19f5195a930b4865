import QtQuick 2.6
import org.hoplix.hoplix 1.0
import "../components"
import "../components/Theme.js" as Theme

// Every achievement with its progress and reward skin. A hidden condition
// stays hidden until the achievement is unlocked.
Column {
    id: page
    objectName: "achievementsView"

    property var core
    property QtObject look: Look {}
    readonly property AchievementListModel list: AchievementListModel {
        core: page.core
    }

    spacing: look.spacing

    Names {
        id: names
    }

    Text {
        width: parent.width
        wrapMode: Text.Wrap
        visible: !page.list.available
        text: qsTr("Achievements are not available right now.")
        font.pixelSize: look.fontNormal
        color: look.bad
    }

    Repeater {
        model: page.list

        Rectangle {
            readonly property var item: model.achievement
            readonly property bool hidden: !item.showCondition && !item.unlocked
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
                locked: !item.unlocked
                source: model.rewardSkinPath
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
                        text: names.achievementTitle(item.code)
                        font.pixelSize: look.fontNormal
                        font.bold: true
                        color: look.text
                    }
                    Text {
                        id: stateLabel
                        text: item.unlocked ? qsTr("Unlocked") : qsTr("Locked")
                        font.pixelSize: look.fontSmall
                        color: item.unlocked ? look.good : look.secondaryText
                    }
                }
                Text {
                    width: parent.width
                    wrapMode: Text.Wrap
                    text: hidden ? "???" : names.condition(item)
                    font.pixelSize: look.fontSmall
                    color: look.secondaryText
                }
                ProgressBar {
                    look: page.look
                    width: parent.width
                    value: item.progressValue
                    maximum: item.targetValue
                }
                Text {
                    text: hidden ? qsTr("Progress: ???")
                                 : qsTr("Progress: %1 / %2").arg(item.progressValue)
                                   .arg(item.targetValue)
                    font.pixelSize: look.fontSmall
                    color: look.secondaryText
                }
            }
        }
    }
}

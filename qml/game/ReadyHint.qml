import QtQuick 2.6
import "../components/Theme.js" as Theme

// Before the first tap: the tower's name and how to play it.
Column {
    id: hint

    property string modeId
    property real scaling: 1
    // How far apart the two arrows stand.
    property real arrowsApart: 0

    spacing: Theme.ready.spacing * scaling

    Text {
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: hint.modeId === "daily" ? qsTr("Daily tower") : qsTr("Endless tower")
        font.pixelSize: Theme.ready.titleFont * hint.scaling
        font.bold: true
        color: Theme.accent
    }
    Text {
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: qsTr("Tap left or right to jump that way. Pass through the gaps; a hard knock from below ends the run, a gentle one bounces.")
        font.pixelSize: Theme.ready.textFont * hint.scaling
        color: Theme.text
    }
    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: hint.arrowsApart
        Text { text: "\u25c0"; font.pixelSize: Theme.ready.arrowFont * hint.scaling; color: Theme.accent }
        Text { text: "\u25b6"; font.pixelSize: Theme.ready.arrowFont * hint.scaling; color: Theme.accent }
    }
}

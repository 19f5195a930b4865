import QtQuick 2.6

Item {
    property string title

    width: parent ? parent.width : 0
    height: Theme.itemSizeLarge

    Text {
        anchors.right: parent.right
        anchors.rightMargin: Theme.horizontalPageMargin
        anchors.verticalCenter: parent.verticalCenter
        text: parent.title
        font.pixelSize: Theme.fontSizeLarge
        color: Theme.highlightColor
    }
}

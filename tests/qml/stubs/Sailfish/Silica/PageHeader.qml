import QtQuick 2.6

Text {
    property string title

    width: parent ? parent.width : 0
    height: Theme.itemSizeLarge
    text: title
    horizontalAlignment: Text.AlignRight
    verticalAlignment: Text.AlignVCenter
    font.pixelSize: Theme.fontSizeLarge
    color: Theme.highlightColor
}

import QtQuick 2.6

Text {
    property string title

    width: parent ? parent.width : 0
    text: title
    horizontalAlignment: Text.AlignRight
    font.pixelSize: Theme.fontSizeLarge
    color: Theme.highlightColor
}

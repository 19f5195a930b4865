import QtQuick 2.6

Text {
    property string title
    text: title
    font.pixelSize: Theme.fontSizeLarge
    color: Theme.highlightColor
}

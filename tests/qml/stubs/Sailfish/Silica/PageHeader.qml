import QtQuick 2.6
import Sailfish.Silica 1.0

Text {
    property string title
    text: title
    font.pixelSize: Theme.fontSizeLarge
    color: Theme.highlightColor
}

import QtQuick 2.6

Text {
    signal clicked()

    width: parent ? parent.width : 0
    horizontalAlignment: Text.AlignHCenter
    font.pixelSize: Theme.fontSizeMedium
    color: Theme.primaryColor
}

pragma Singleton
import QtQuick 2.6

// Test stand-in for Silica's Theme: the sizes of a 540-pixel-wide phone and a
// dark ambience.
QtObject {
    property real fontSizeExtraSmall: 20
    property real fontSizeSmall: 24
    property real fontSizeMedium: 28
    property real fontSizeLarge: 36
    property real fontSizeHuge: 56
    property real paddingSmall: 6
    property real paddingMedium: 12
    property real paddingLarge: 24
    property real horizontalPageMargin: 24
    property real iconSizeLarge: 80
    property color primaryColor: "#ffffff"
    property color secondaryColor: "#b0ffffff"
    property color highlightColor: "#9cd3ff"
    property color highlightBackgroundColor: "#3b84c4"

    function rgba(color, opacity) { return Qt.rgba(color.r, color.g, color.b, opacity) }
}

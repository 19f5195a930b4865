import QtQuick 2.6
import "Theme.js" as Theme

// The sizes and colours the shared views draw with. Each shell hands its own
// to the views: the desktop scales the palette's sizes with the window's
// width, the phone takes them from Silica's Theme.
QtObject {
    property real scaling: 1
    property real fontSmall: Theme.fontSmall * scaling
    property real fontNormal: Theme.fontNormal * scaling
    property real fontLarge: Theme.fontLarge * scaling
    property real margin: Theme.margin * scaling
    property real spacing: Theme.spacing * scaling
    property real radius: 8 * scaling
    // Skin faces in lists.
    property real iconSize: 64 * scaling
    property color text: Theme.text
    property color secondaryText: Theme.secondaryText
    property color accent: Theme.accent
    property color panel: Theme.panel
    property color panelHighlight: Theme.panelHighlight
    property color good: Theme.good
    property color bad: Theme.bad
}

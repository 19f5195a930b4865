import QtQuick 2.6
import "Theme.js" as Theme

// A scrolling page; children go into its column.
Flickable {
    id: page

    default property alias content: column.data
    property alias spacing: column.spacing

    contentWidth: width
    contentHeight: column.height + 2 * Theme.margin
    clip: true
    boundsBehavior: Flickable.StopAtBounds

    Column {
        id: column
        x: Theme.margin
        y: Theme.margin
        width: page.width - 2 * Theme.margin
        spacing: Theme.spacing
    }
}

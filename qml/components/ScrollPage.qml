import QtQuick 2.6
import "Theme.js" as Theme

// A scrolling page of the desktop shell; children go into its column.
Flickable {
    id: page

    default property alias content: column.data
    property alias spacing: column.spacing
    property QtObject look: Look {}

    contentWidth: width
    contentHeight: column.height + 2 * look.margin
    clip: true
    boundsBehavior: Flickable.StopAtBounds

    Column {
        id: column
        x: look.margin
        y: look.margin
        width: page.width - 2 * look.margin
        spacing: look.spacing
    }
}

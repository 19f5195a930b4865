import QtQuick 2.6
import Sailfish.Silica 1.0
import "../pages" as Shared

// The stored runs on the phone: the shared header and rows in a Silica list.
Page {
    id: page
    objectName: "silicaRecordsPage"

    property var core
    property QtObject look

    signal replayAsked(string code, bool race)

    Shared.RecordsPage {
        id: records
        look: page.look
        core: page.core
        count: list.count
        onReplayAsked: page.replayAsked(code, race)
    }

    SilicaListView {
        id: list
        objectName: "recordsList"
        anchors.fill: parent
        model: records.model
        // No row is chosen here; following the current row would scroll
        // the view to it for over a second after every load.
        highlightFollowsCurrentItem: false
        spacing: page.look.spacing
        header: Column {
            width: list.width
            spacing: page.look.spacing

            PageHeader {
                title: records.names.pageTitle("runs")
            }
            Loader {
                x: page.look.margin
                width: parent.width - 2 * page.look.margin
                sourceComponent: records.header
            }
        }
        delegate: records.delegate

        VerticalScrollDecorator {}
    }
}

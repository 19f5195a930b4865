import QtQuick 2.6
import Sailfish.Silica 1.0

// Test stand-in: the page stack fills the window, without transitions: pages
// change status at once and are destroyed when popped, as Silica does with
// the pages it created from a component. The cover is created at once and
// kept beside the window (not on it), where a test can read and grab it.
Rectangle {
    id: window

    property Component initialPage
    property Component cover
    readonly property alias pageStack: stack
    property Item _coverItem: null
    property int _activations: 0

    function activate() { _activations++ }

    width: 540
    height: 960
    color: "#20232e"

    Item {
        id: stack

        property var pages: []
        readonly property int depth: pages.length
        readonly property Item currentPage: depth > 0 ? pages[depth - 1] : null

        function push(component, properties) {
            if (currentPage)
                currentPage.status = PageStatus.Inactive
            pages = pages.concat([component.createObject(stack, properties || {})])
            currentPage.anchors.fill = stack
            currentPage.status = PageStatus.Active
        }

        // Pops the top page, or every page above `page`.
        function pop(page) {
            do {
                currentPage.status = PageStatus.Deactivating
                currentPage.destroy()
                pages = pages.slice(0, depth - 1)
            } while (page && currentPage !== page)
            currentPage.status = PageStatus.Active
        }

        // The back swipe: refused while the page turns it off.
        function navigateBack() {
            if (depth > 1 && currentPage.backNavigation)
                pop()
        }

        anchors.fill: parent
    }

    Component.onCompleted: {
        stack.push(initialPage)
        _coverItem = cover.createObject(window, { "x": window.width, "width": 234, "height": 374 })
    }
}

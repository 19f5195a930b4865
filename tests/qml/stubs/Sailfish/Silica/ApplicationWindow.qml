import QtQuick 2.6

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

    function activate() {
        _activations++
    }

    width: 540
    height: 960
    color: "#20232e"

    Item {
        id: stack

        property var pages: []
        readonly property int depth: pages.length
        readonly property Item currentPage: depth > 0 ? pages[depth - 1] : null

        function show(page, first, then) {
            page.status = first
            page.status = then
            page.visible = then === PageStatus.Active
        }

        function push(component, properties) {
            var page = component.createObject(stack, properties || {})
            page.anchors.fill = stack
            if (currentPage)
                show(currentPage, PageStatus.Deactivating, PageStatus.Inactive)
            pages = pages.concat([page])
            show(page, PageStatus.Activating, PageStatus.Active)
        }

        // Pops the top page, or every page above `page`.
        function pop(page) {
            do {
                var leaving = currentPage
                show(leaving, PageStatus.Deactivating, PageStatus.Inactive)
                pages = pages.slice(0, depth - 1)
                leaving.destroy()
            } while (page && currentPage !== page)
            show(currentPage, PageStatus.Activating, PageStatus.Active)
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

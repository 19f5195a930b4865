import QtQuick 2.6

// Test stand-in for the window's page stack, without transitions: pages
// change status at once. Pages it created from a component or URL are
// destroyed when popped, as Silica does.
Item {
    id: stack

    property var pages: []
    property var owned: []
    readonly property int depth: pages.length
    readonly property Item currentPage: pages.length > 0 ? pages[pages.length - 1] : null

    function show(page, status) {
        page.status = status
        page.visible = status === PageStatus.Active
    }

    function push(page, properties) {
        var created = false
        if (typeof page === "string" || page.createObject !== undefined) {
            var component = typeof page === "string" ? Qt.createComponent(page) : page
            page = component.createObject(stack, properties || {})
            created = true
        } else {
            page.parent = stack
        }
        page.anchors.fill = stack
        if (currentPage) {
            show(currentPage, PageStatus.Deactivating)
            show(currentPage, PageStatus.Inactive)
        }
        show(page, PageStatus.Activating)
        pages = pages.concat([page])
        owned = owned.concat([created])
        show(page, PageStatus.Active)
        return page
    }

    // Pops the top page, or every page above `page`.
    function pop(page) {
        if (pages.length < 2)
            return null
        var top = currentPage
        do {
            var leaving = pages[pages.length - 1]
            var destroy = owned[owned.length - 1]
            show(leaving, PageStatus.Deactivating)
            show(leaving, PageStatus.Inactive)
            pages = pages.slice(0, pages.length - 1)
            owned = owned.slice(0, owned.length - 1)
            if (destroy)
                leaving.destroy()
        } while (page && pages.length > 1 && currentPage !== page)
        show(currentPage, PageStatus.Activating)
        show(currentPage, PageStatus.Active)
        return top
    }

    // The back swipe: refused while the page turns it off.
    function navigateBack() {
        if (currentPage && currentPage.backNavigation)
            pop()
    }
}

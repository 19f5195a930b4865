import QtQuick 2.6

// Test stand-in for the window's page stack, without transitions: pages
// change status at once. Pages it created from a component or URL are
// destroyed when popped, as Silica does.
Item {
    id: stack

    property var pages: []
    property var owned: []
    readonly property int depth: pages.length
    readonly property Item currentPage: depth > 0 ? pages[depth - 1] : null

    function show(page, first, then) {
        page.status = first
        page.status = then
        page.visible = then === PageStatus.Active
    }

    function push(page, properties) {
        var created = typeof page === "string" || page.createObject !== undefined
        if (created)
            page = (typeof page === "string" ? Qt.createComponent(page) : page).createObject(stack, properties || {})
        page.parent = stack
        page.anchors.fill = stack
        if (currentPage)
            show(currentPage, PageStatus.Deactivating, PageStatus.Inactive)
        pages = pages.concat([page])
        owned = owned.concat([created])
        show(page, PageStatus.Activating, PageStatus.Active)
        return page
    }

    // Pops the top page, or every page above `page`.
    function pop(page) {
        var top = currentPage
        while (depth > 1 && (page ? currentPage !== page : currentPage === top)) {
            var leaving = currentPage
            var destroy = owned[depth - 1]
            show(leaving, PageStatus.Deactivating, PageStatus.Inactive)
            pages = pages.slice(0, depth - 1)
            owned = owned.slice(0, owned.length - 1)
            if (destroy)
                leaving.destroy()
        }
        if (top !== currentPage)
            show(currentPage, PageStatus.Activating, PageStatus.Active)
        return top !== currentPage ? top : null
    }

    // The back swipe: refused while the page turns it off.
    function navigateBack() {
        if (currentPage && currentPage.backNavigation)
            pop()
    }
}

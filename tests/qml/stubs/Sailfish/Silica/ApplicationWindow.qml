import QtQuick 2.6

// Test stand-in: the stack fills the window; the cover is created at once and
// kept beside the window (not on it), where a test can read and grab it.
Rectangle {
    id: window

    property var initialPage
    property var cover
    readonly property alias pageStack: stack
    property Item _coverItem: null
    property int _activations: 0

    function activate() {
        _activations++
    }

    width: 540
    height: 960
    color: "#20232e"

    PageStack {
        id: stack
        anchors.fill: parent
    }

    Item {
        id: coverHolder
        x: window.width
        width: Theme.coverSizeLarge.width
        height: Theme.coverSizeLarge.height
    }

    Component.onCompleted: {
        if (initialPage)
            stack.push(initialPage)
        if (cover) {
            var component = typeof cover === "string" ? Qt.createComponent(cover) : cover
            _coverItem = component.createObject(coverHolder)
            _coverItem.anchors.fill = coverHolder
        }
    }
}

import QtQuick 2.6

// Test stand-in: the stack fills the window; the cover is created at once and
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

    PageStack {
        id: stack
        anchors.fill: parent
    }

    Component.onCompleted: {
        stack.push(initialPage)
        _coverItem = cover.createObject(window, { "x": window.width, "width": 234, "height": 374 })
    }
}

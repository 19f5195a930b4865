import QtQuick 2.6

// Test stand-in: the countdown ends when the test calls trigger().
Item {
    property var callback: null
    readonly property bool pending: callback !== null

    function execute(title, action) {
        callback = action
    }

    function trigger() {
        var action = callback
        callback = null
        action()
    }
}

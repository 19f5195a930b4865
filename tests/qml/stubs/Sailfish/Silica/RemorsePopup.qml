import QtQuick 2.6

// Test stand-in: runs the callback when the countdown ends or on trigger().
Item {
    id: remorse

    property var callback: null
    readonly property bool pending: callback !== null
    property string text

    function execute(title, action, timeout) {
        text = title
        callback = action
        countdown.interval = timeout || 5000
        countdown.restart()
    }

    function cancel() {
        countdown.stop()
        callback = null
    }

    function trigger() {
        countdown.stop()
        var action = callback
        callback = null
        if (action)
            action()
    }

    Timer {
        id: countdown
        onTriggered: remorse.trigger()
    }
}

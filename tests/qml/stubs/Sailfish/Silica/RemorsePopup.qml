import QtQuick 2.6

// Test stand-in: the countdown ends when the test calls the callback.
Item {
    property var callback: null

    function execute(title, action) { callback = action }
}

pragma Singleton
import QtQuick 2.6

// What the test stand-in of ThemeEffect played, in order: effect names.
QtObject {
    property var played: []
    property bool supported: true

    function record(effect) {
        played = played.concat([effect]);
    }

    function clear() {
        played = [];
    }
}

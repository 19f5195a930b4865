pragma Singleton
import QtQuick 2.6

// What the test stand-in of SoundEffect played, in order: file names.
QtObject {
    property var played: []
    property int created: 0

    function record(source) {
        var name = String(source);
        played = played.concat([name.substring(name.lastIndexOf("/") + 1)]);
    }

    function clear() {
        played = [];
    }
}

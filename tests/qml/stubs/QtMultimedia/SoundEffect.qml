import QtQuick 2.6
import QtMultimedia 5.6

// Test stand-in of QtMultimedia's SoundEffect: plays nothing, records each
// play() in SoundLog.
QtObject {
    property url source
    property real volume: 1.0
    property string category
    property int loops: 1

    function play() {
        SoundLog.record(source);
    }

    Component.onCompleted: SoundLog.created = SoundLog.created + 1
}

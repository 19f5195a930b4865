import QtQuick 2.6
import QtFeedback 5.0

// Test stand-in of QtFeedback's ThemeEffect: vibrates nothing, records each
// play() in BuzzLog. BuzzLog.supported plays a phone without a vibrator.
QtObject {
    property var effect
    readonly property bool supported: BuzzLog.supported

    function play() {
        BuzzLog.record(effect);
    }
}

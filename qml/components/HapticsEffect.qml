import QtQuick 2.6
import QtFeedback 5.0

// The three theme effects the game buzzes with, made once and reused.
// Loaded by Haptics only where QtFeedback is installed.
QtObject {
    property ThemeEffect weak: ThemeEffect { effect: "PressWeak" }
    property ThemeEffect press: ThemeEffect { effect: "Press" }
    property ThemeEffect strong: ThemeEffect { effect: "PressStrong" }
    readonly property bool supported: press.supported

    function buzz(kind) {
        var effect = kind === "strong" ? strong : kind === "press" ? press
                                                 : kind === "weak" ? weak : null;
        if (!effect || !effect.supported)
            return false;
        effect.play();
        return true;
    }
}

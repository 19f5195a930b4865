import QtQuick 2.6
import QtFeedback 5.0

// The three theme effects the game buzzes with, made once and reused.
// Loaded by Haptics only where QtFeedback is installed.
QtObject {
    property ThemeEffect weak: ThemeEffect { effect: "PressWeak" }
    property ThemeEffect press: ThemeEffect { effect: "Press" }
    property ThemeEffect strong: ThemeEffect { effect: "PressStrong" }
    // ThemeEffect does not say when `supported` changes: read once.
    property bool supported: false

    function buzz(kind) {
        var effect = kind === "strong" ? strong : kind === "press" ? press
                                                 : kind === "weak" ? weak : null;
        if (!effect || !effect.supported)
            return false;
        effect.play();
        return true;
    }

    Component.onCompleted: supported = press.supported
}

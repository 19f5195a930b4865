import QtQuick 2.6

// Short vibrations: `buzz(kind)` with "strong" (a hard hit, a fall), "press"
// (a shield absorbing a hit, a power-up) or "weak" (a glancing bump). None
// while `enabled` is false or where the phone cannot vibrate; where QtFeedback
// is missing nothing loads, without a warning.
Item {
    id: haptics

    property bool enabled: true
    property bool available: typeof platformModules !== "undefined"
                             && platformModules.feedback === true
    readonly property bool supported: loader.item ? loader.item.supported : false

    // True when the vibration was started.
    function buzz(kind) {
        if (!enabled || !loader.item)
            return false;
        return loader.item.buzz(kind);
    }

    Loader {
        id: loader
        active: haptics.available
        source: "HapticsEffect.qml"
    }
}

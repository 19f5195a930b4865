import QtQuick 2.6

// The game's sound effects: `play(cue)` with one of `cues`. Quiet while
// `enabled` is false. Where QtMultimedia is missing (a desktop without the
// module) nothing loads and play() does nothing, without a warning.
Item {
    id: sounds

    property bool enabled: true
    property real volume: 1.0
    // Start-up's probe of the view's engine; a test may set it.
    property bool available: typeof platformModules !== "undefined"
                             && platformModules.multimedia === true
    // The cues to load; all of them unless told fewer.
    property var cues: ["jump", "bump-wall", "bump-block", "hit", "fall", "shield",
        "dash", "clear", "shield-pickup", "section", "best", "reward", "button"]
    readonly property bool ready: loader.status === Loader.Ready
    // The loaded players, for a test to inspect; null where none loaded.
    readonly property var effects: loader.item

    // True when the cue was handed to its player.
    function play(cue) {
        if (!enabled || volume <= 0 || !loader.item)
            return false;
        return loader.item.play(cue);
    }

    Loader {
        id: loader
        active: sounds.available
        source: "SoundEffects.qml"
        onLoaded: {
            item.volume = Qt.binding(function() { return sounds.volume; });
            item.load(sounds.cues);
        }
    }
}

import QtQuick 2.6
import QtMultimedia 5.6

// One SoundEffect per cue, all made when this file loads and reused for every
// event, so a sound starts on the step of its event without a file to open.
// Loaded by GameSounds only where QtMultimedia is installed.
QtObject {
    id: effects

    property real volume: 1.0
    property var players: ({})

    property Component player: Component {
        SoundEffect {
            volume: effects.volume
            // A game's own category: the phone mixes it over the player's
            // music instead of pausing that.
            category: "game"
        }
    }

    function play(cue) {
        var effect = players[cue];
        if (!effect)
            return false;
        effect.play();
        return true;
    }

    // Called once, by GameSounds when it loads this file.
    function load(names) {
        var made = {};
        for (var i = 0; i < names.length; ++i) {
            made[names[i]] = player.createObject(effects, {
                source: Qt.resolvedUrl("../sounds/" + names[i] + ".wav")
            });
        }
        players = made;
    }
}

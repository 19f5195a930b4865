.pragma library

// The one player of the pages' button cue, shared by every button of the
// engine: buttons are many and short-lived, the sound is loaded once, by the
// shell's PageSounds.
var player = null;

function use(sounds) {
    player = sounds;
}

function drop(sounds) {
    if (player === sounds)
        player = null;
}

function play() {
    if (player)
        player.play("button");
}

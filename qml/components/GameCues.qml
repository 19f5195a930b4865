import QtQuick 2.6
import org.hoplix.game 1.0
import org.hoplix.hoplix 1.0

// What a run sounds and feels like. Every cue starts from the session's own
// signal, on the step of its event; the players and the vibration effect are
// made once, when the page is.
Item {
    id: cues

    property GameSession session
    property FrontEndSettings settings
    // False in the background and on the cover: nothing is heard there.
    property bool active: true

    // Where the modules can be loaded (start-up's probe decides; tests say).
    property alias soundsAvailable: sounds.available
    property alias hapticsAvailable: haptics.available

    // A section passed is heard on every fifth one only: on every one it tires.
    readonly property int sectionsPerChime: 5

    function play(cue) {
        return sounds.play(cue)
    }

    GameSounds {
        id: sounds
        enabled: cues.active && cues.settings !== null && cues.settings.soundEnabled
        volume: cues.settings ? cues.settings.soundVolume : 0
    }

    Haptics {
        id: haptics
        enabled: cues.active && cues.settings !== null && cues.settings.vibrationEnabled
    }

    // Connected by hand: the phone's Qt knows no function handlers in
    // Connections, and the desktop's warns about the older form.
    property GameSession connected: null
    onSessionChanged: {
        if (connected) {
            connected.jumped.disconnect(jumped)
            connected.sectionPassed.disconnect(sectionPassed)
            connected.collided.disconnect(collided)
            connected.powerUpTaken.disconnect(powerUpTaken)
            connected.runEnded.disconnect(runEnded)
        }
        connected = session
        if (session) {
            session.jumped.connect(jumped)
            session.sectionPassed.connect(sectionPassed)
            session.collided.connect(collided)
            session.powerUpTaken.connect(powerUpTaken)
            session.runEnded.connect(runEnded)
        }
    }

    function jumped() {
        sounds.play("jump")
    }

    function sectionPassed(sections) {
        if (sections % sectionsPerChime === 0)
            sounds.play("section")
    }

    function collided(kind, severity) {
        if (severity === "fatal") {
            sounds.play("hit")
            haptics.buzz("strong")
        } else if (severity === "absorbed") {
            sounds.play("shield")
            haptics.buzz("press")
        } else {
            sounds.play(kind === "wall" ? "bump-wall" : "bump-block")
            haptics.buzz("weak")
        }
    }

    function powerUpTaken(kind) {
        sounds.play(kind === "shield" ? "shield-pickup" : kind)
        haptics.buzz("press")
    }

    function runEnded(snapshot) {
        if (snapshot.endReason === "fall") {
            sounds.play("fall")
            haptics.buzz("strong")
        }
    }
}

import QtQuick 2.6
import org.hoplix.hoplix 1.0
import "ButtonCue.js" as ButtonCue

// The pages' sound: the button cue every shared button plays when pressed.
// One per shell; quiet in the background and when sound is switched off.
Item {
    id: pageSounds

    property var core
    property alias available: sounds.available
    readonly property alias ready: sounds.ready

    FrontEndSettings {
        id: settings
        core: pageSounds.core
    }

    GameSounds {
        id: sounds
        cues: ["button"]
        enabled: settings.soundEnabled && Qt.application.state === Qt.ApplicationActive
        volume: settings.soundVolume
    }

    Component.onCompleted: ButtonCue.use(sounds)
    Component.onDestruction: ButtonCue.drop(sounds)
}

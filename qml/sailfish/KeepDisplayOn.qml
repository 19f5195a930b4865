import QtQuick 2.6
import Nemo.KeepAlive 1.2

// Keeps the display from blanking while `playing`: a run is steered by taps
// alone, which the phone's idle timer does not always see as activity.
// Loaded only where the module is installed.
Item {
    id: keeper

    property bool playing: false

    DisplayBlanking {
        objectName: "displayBlanking"
        preventBlanking: keeper.playing
    }
}

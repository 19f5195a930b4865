import QtQuick 2.6
import org.hoplix.hoplix 1.0
import "Theme.js" as Theme

// Tells the player on the game-over card that the run could not be stored
// yet, and when it is: RunKeeper keeps it and stores it as soon as the
// storage takes runs again.
Text {
    objectName: "runSavedNote"

    // The run the card shows.
    property string runId: ""
    property real scaling: 1
    readonly property bool unsaved: runId.length > 0 && RunKeeper.unsavedIds.indexOf(runId) >= 0
    // Said only about a run that was not saved at first.
    readonly property bool savedLater: runId.length > 0
                                       && RunKeeper.savedLaterIds.indexOf(runId) >= 0

    visible: unsaved || savedLater
    text: unsaved ? qsTr("Not saved yet") : qsTr("Saved")
    font.pixelSize: 18 * scaling
    font.bold: unsaved
    color: unsaved ? Theme.bad : Theme.secondaryText
}

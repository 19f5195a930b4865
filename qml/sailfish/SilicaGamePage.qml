import QtQuick 2.6
import Sailfish.Silica 1.0
import "../pages" as Shared

// The game on the phone. While a run is going the back swipe is off (a swipe
// would end it) and the run pauses whenever this page is not the current
// one; leaving through the pause screen asks first, with a moment to undo.
Page {
    id: page
    objectName: "silicaGamePage"

    property var core
    property string modeId: "endless"
    property alias game: game

    // Emitted when the page has let go of its run (stored) and its rewards.
    signal left()
    // Asks the shell to take this page off the stack.
    signal close()

    backNavigation: !game.runGoing

    onStatusChanged: {
        // Going back by a swipe, which is only possible without a run going.
        if (status === PageStatus.Deactivating) {
            game.finish()
            left()
        }
    }

    Shared.GamePage {
        id: game
        anchors.fill: parent
        core: page.core
        current: page.status === PageStatus.Active
        confirmsLeaving: true
        onLeaveAsked: remorse.execute(qsTr("Leaving the run"), function() { game.leaveRun() })
        onLeave: page.close()
    }

    RemorsePopup {
        id: remorse
        objectName: "leaveRemorse"
    }

    Component.onCompleted: game.open(modeId)
}

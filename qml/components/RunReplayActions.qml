import QtQuick 2.6
import org.hoplix.hoplix 1.0
import "RunCodes.js" as RunCodes

// A stored run's replay on the runs page: watch it, climb its tower again
// with it as the ghost, or copy its code. Shown only for a run with a replay.
Row {
    id: actions

    property var core
    property string runId: ""
    // From the runs model; the code itself is read, and checked against the
    // run, only when a button asks for it.
    property bool hasReplay: false
    property QtObject look: Look {}

    signal chosen(string code, bool race)

    function take(race) {
        // Empty for a stored replay that no longer plays to its run.
        var code = RunCodes.codeOf(stored, runId)
        if (code.length === 0)
            return
        if (race === null)
            share.copy(code)
        else
            chosen(code, race)
    }

    visible: hasReplay
    spacing: look.spacing

    StoredReplays {
        id: stored
        core: actions.core
    }

    ShareCode {
        id: share
    }

    PillButton {
        objectName: "watchRunButton"
        text: qsTr("Watch")
        fontSize: actions.look.fontSmall
        onClicked: actions.take(false)
    }
    PillButton {
        text: qsTr("Climb this tower again")
        fontSize: actions.look.fontSmall
        onClicked: actions.take(true)
    }
    PillButton {
        text: qsTr("Copy code")
        fontSize: actions.look.fontSmall
        onClicked: actions.take(null)
    }
}

import QtQuick 2.6
import "RunCodes.js" as RunCodes

// A stored run's replay on the runs page: watch it, climb its tower again
// with it as the ghost, or copy its code. Shown only for a run with a replay.
Row {
    id: actions

    property var core
    property string runId: ""
    property QtObject look: Look {}
    // Read when the row is made: a run's replay never changes.
    readonly property string code: RunCodes.codeOf(core, runId)

    signal chosen(string code, bool race)

    visible: code.length > 0
    spacing: look.spacing

    ShareCode {
        id: share
    }

    PillButton {
        objectName: "watchRunButton"
        text: qsTr("Watch")
        fontSize: actions.look.fontSmall
        onClicked: actions.chosen(actions.code, false)
    }
    PillButton {
        text: qsTr("Climb this tower again")
        fontSize: actions.look.fontSmall
        onClicked: actions.chosen(actions.code, true)
    }
    PillButton {
        text: qsTr("Copy code")
        fontSize: actions.look.fontSmall
        onClicked: share.copy(actions.code)
    }
}

import QtQuick 2.6
import org.hoplix.game 1.0
import org.hoplix.hoplix 1.0
import "RunCodes.js" as RunCodes
import "Theme.js" as Theme

// Replays on the game page: watching a run code (pause, 1x/2x/4x, skip to
// the end, and its own end card), racing a run's ghost, and a finished run's
// code to copy or share. Lies over the page; only its buttons take taps.
Item {
    id: layer
    objectName: "replayLayer"

    // The game page it belongs to, and its session.
    property Item page
    property GameSession session: null
    readonly property real scaling: width / 540
    // The last thing to tell the player (a refused code, a copied one); empty
    // when there is nothing.
    property string message: ""
    readonly property bool watchingGoing: session !== null && session.watching
                                          && (session.state === GameSession.Running
                                              || session.state === GameSession.Paused)
    readonly property bool watchOver: session !== null && session.watching
                                      && session.state === GameSession.Over
    readonly property bool ownRunOver: session !== null && !session.watching
                                       && session.state === GameSession.Over
                                       && session.lastCode.length > 0

    StoredReplays {
        id: stored
        core: layer.page ? layer.page.core : null
    }

    function tell(problem) {
        message = problem.length > 0 ? names.codeProblem(problem) : ""
        return problem.length === 0
    }

    // Plays a code in the view. False, with the reason told, for a refused one.
    function watch(code) {
        var problem = session.problemOf(code)
        if (!tell(problem))
            return false
        // A run of the player's own that is going ends as it would on leaving.
        page.finish()
        return tell(session.watch(code))
    }

    // A new run on the code's tower with the code's run as its ghost: on the
    // daily tower when it is today's, otherwise as an endless run.
    function race(code) {
        var problem = session.problemOf(code)
        if (!tell(problem))
            return false
        page.finish()
        page.open(session.modeOf(code) === "daily" ? "daily" : "endless")
        if (page.modeId === "daily" && session.seed !== session.seedOf(code))
            page.open("endless")
        return tell(session.setGhost(code))
    }

    // On the daily tower, the best run of the day on this phone is the ghost.
    function raceTodaysBest() {
        if (!page.core || page.modeId !== "daily")
            return
        var bestCode = stored.bestOfDay("daily")
        if (bestCode.length > 0 && session.seedOf(bestCode) !== session.seed)
            bestCode = ""
        if (bestCode.length > 0)
            session.setGhost(bestCode)
    }

    function runEnded(snapshot) {
        RunCodes.remember(snapshot.id, session.lastCode)
    }

    function stateChanged() {
        if (session.state === GameSession.Ready && !session.ghostActive)
            raceTodaysBest()
        if (session.state !== GameSession.Over)
            message = ""
    }

    // Connected by hand: the phone's Qt knows no function handlers in
    // Connections, and the desktop's warns about the older form.
    property GameSession connected: null
    onSessionChanged: {
        if (connected) {
            connected.runEnded.disconnect(runEnded)
            connected.stateChanged.disconnect(stateChanged)
        }
        connected = session
        if (session) {
            session.runEnded.connect(runEnded)
            session.stateChanged.connect(stateChanged)
        }
    }

    ShareCode {
        id: share
        onCopied: layer.message = qsTr("Code copied")
    }

    Names {
        id: names
    }

    // While a replay plays: what it is, and its controls.
    Rectangle {
        objectName: "replayControls"
        visible: layer.watchingGoing
        anchors.bottom: parent.bottom
        width: parent.width
        height: controls.height + 24 * layer.scaling
        color: "#b00d1022"

        Column {
            id: controls
            anchors.centerIn: parent
            spacing: 10 * layer.scaling

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Replay")
                font.pixelSize: 22 * layer.scaling
                font.bold: true
                color: Theme.accent
            }
            Row {
                spacing: 10 * layer.scaling
                PillButton {
                    objectName: "speed1"
                    text: "1x"
                    fontSize: 22 * layer.scaling
                    chosen: layer.session !== null && layer.session.playbackSpeed === 1
                    onClicked: layer.session.playbackSpeed = 1
                }
                PillButton {
                    objectName: "speed2"
                    text: "2x"
                    fontSize: 22 * layer.scaling
                    chosen: layer.session !== null && layer.session.playbackSpeed === 2
                    onClicked: layer.session.playbackSpeed = 2
                }
                PillButton {
                    objectName: "speed4"
                    text: "4x"
                    fontSize: 22 * layer.scaling
                    chosen: layer.session !== null && layer.session.playbackSpeed === 4
                    onClicked: layer.session.playbackSpeed = 4
                }
                PillButton {
                    objectName: "skipButton"
                    text: qsTr("Skip to end")
                    fontSize: 22 * layer.scaling
                    onClicked: layer.session.skipToEnd()
                }
            }
        }
    }

    // Racing a ghost: its score beside the player's.
    Text {
        objectName: "ghostScore"
        visible: layer.session !== null && layer.session.ghostActive
                 && layer.session.state !== GameSession.Over
        anchors.horizontalCenter: parent.horizontalCenter
        y: 100 * layer.scaling
        text: qsTr("Ghost: %1").arg(layer.session ? layer.session.ghostScore : 0)
        font.pixelSize: 20 * layer.scaling
        color: Theme.secondaryText
    }

    // The end of a replay, in place of the game-over card.
    Rectangle {
        objectName: "replayOverCard"
        anchors.fill: parent
        visible: layer.watchOver
        color: "#b00d1022"

        MouseArea {
            anchors.fill: parent
        }

        Column {
            anchors.centerIn: parent
            width: parent.width * 0.8
            spacing: 16 * layer.scaling

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Replay over")
                font.pixelSize: 32 * layer.scaling
                font.bold: true
                color: Theme.accent
            }
            Text {
                objectName: "replayScore"
                anchors.horizontalCenter: parent.horizontalCenter
                text: layer.session ? layer.session.score : ""
                font.pixelSize: 84 * layer.scaling
                font.bold: true
                color: "white"
            }
            PillButton {
                objectName: "raceButton"
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Race this run")
                fontSize: 26 * layer.scaling
                primary: true
                onClicked: layer.race(layer.session.lastCode)
            }
            PillButton {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Copy code")
                fontSize: 20 * layer.scaling
                onClicked: share.copy(layer.session.lastCode)
            }
            PillButton {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Menu")
                fontSize: 20 * layer.scaling
                onClicked: layer.page.leaveRun()
            }
        }
    }

    // Under the game-over card of one of the player's own runs.
    Row {
        objectName: "runCodeActions"
        visible: layer.ownRunOver
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 24 * layer.scaling
        spacing: 10 * layer.scaling

        PillButton {
            objectName: "againButton"
            visible: layer.session !== null && layer.session.modeId !== "daily"
            text: qsTr("Climb this tower again")
            fontSize: 20 * layer.scaling
            onClicked: layer.race(layer.session.lastCode)
        }
        PillButton {
            objectName: "copyButton"
            text: qsTr("Copy code")
            fontSize: 20 * layer.scaling
            onClicked: share.copy(layer.session.lastCode)
        }
        PillButton {
            visible: share.canShare
            text: qsTr("Share")
            fontSize: 20 * layer.scaling
            onClicked: share.send(layer.session.lastCode)
        }
    }

    Text {
        objectName: "replayMessage"
        visible: layer.message.length > 0
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height * 0.12
        width: parent.width * 0.9
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: layer.message
        font.pixelSize: 20 * layer.scaling
        color: Theme.accent
        style: Text.Outline
        styleColor: "#80000000"
    }
}

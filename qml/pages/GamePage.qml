import QtQuick 2.6
import org.hoplix.game 1.0
import org.hoplix.hoplix 1.0
import "../components"
import "../game"
import "../components/Theme.js" as Theme

// The game: one run at a time from the first tap to its settlement, and what
// taps, keys and leaving do to it. Its parts (qml/game) draw the tower, the
// HUD and the pause and game-over screens; sizes follow the width.
Item {
    id: page
    objectName: "gamePage"

    property var core
    property string modeId: "endless"
    // A fixed tower (a number as text) for tests and screenshots; empty gives
    // the mode's own seed: a new one each run, or the day's.
    property string seed: ""
    property int bestScore: 0
    // The skin the player wears, kept current by its own object.
    readonly property WornSkin worn: WornSkin {
        core: page.core
    }
    readonly property string skinSource: worn.skinId.length > 0 ? worn.imageUrl.toString()
                                                                : "qrc:/assets/skins/default.png"
    property var deathMarker: null
    // The run waiting for its settlement, and what it brought.
    property string pendingGameId: ""
    property string shownGameId: ""
    property bool settled: false
    property bool newBest: false
    property var rewards: []
    property string pendingRequestId: ""
    // Set while the application quits: the run is then stored at once.
    property bool quitting: false
    readonly property bool applicationActive: liveState.applicationActive
    // False while the shell shows another page over this one.
    property bool current: true
    // Set by a shell that asks before a run is abandoned: leaving then only
    // raises leaveAsked(), and the shell calls leaveRun() once the player agrees.
    property bool confirmsLeaving: false
    // The one rule for frames on this page: something animates only while
    // the application is active, the page is current and the run goes on.
    readonly property bool live: liveState.live
    readonly property bool runGoing: session.state === GameSession.Running
                                     || session.state === GameSession.Paused
    // False for a moment after a run ends, so a late jump tap does not
    // start the next run.
    readonly property bool canRestart: !restartGuard.running
    readonly property real scaling: width / Theme.gameReferenceWidth
    // Pixels per world unit: the field's width fills the screen's.
    readonly property real unit: width / session.fieldWidth
    property alias session: session
    property alias replays: replayLayer

    signal leave()
    signal leaveAsked()

    focus: visible

    // A new tower for the mode, waiting for the first tap. Reads the
    // backend only here, never while a run is going.
    function open(mode) {
        modeId = mode
        bestScore = Math.max(0, core.highestScore(mode))
        deathMarker = core.latestDeathPosition(mode) || null
        acknowledgeRewards()
        settled = false
        newBest = false
        rewards = []
        pendingGameId = ""
        session.prepare(mode, core.newGameId(), seed)
        forceActiveFocus()
    }

    function tap(side) {
        switch (session.state) {
        case GameSession.Ready:
        case GameSession.Running:
            session.jump(side)
            break
        case GameSession.Paused:
            session.resume()
            break
        case GameSession.Over:
            if (canRestart)
                open(modeId)
            break
        }
    }

    // Back, or the page going away: a run that is going ends as abandoned
    // and is stored.
    function leaveRun() {
        finish()
        leave()
    }

    // What leaving does to the run and its rewards, for a shell whose page
    // goes away on its own (a back swipe).
    function finish() {
        if (runGoing)
            session.abandon()
        acknowledgeRewards()
    }

    function requestLeave() {
        if (confirmsLeaving && runGoing) {
            session.pause()
            leaveAsked()
        } else {
            leaveRun()
        }
    }

    // At quit the facade takes no more settlements: store the run directly.
    function storeOnQuit() {
        if (session.state !== GameSession.Running && session.state !== GameSession.Paused)
            return
        quitting = true
        session.abandon()
    }

    function runEnded(snapshot) {
        if (quitting) {
            RunKeeper.storeNow(core, snapshot)
            return
        }
        newBest = snapshot.score > bestScore
        if (newBest && bestScore > 0)
            cues.play("best")
        shownGameId = snapshot.id
        if (RunKeeper.submit(core, snapshot))
            pendingGameId = snapshot.id
        else
            settled = true
        restartGuard.restart()
    }

    CoreAnswers {
        core: page.core
        onSettled: page.showSettlement(gameId, success, rewards, bestScore)
        onAcknowledged: page.showAcknowledgement(requestId, success)
    }

    function showSettlement(gameId, success, newRewards, best) {
        if (gameId !== pendingGameId)
            return
        pendingGameId = ""
        settled = true
        if (success) {
            if (newRewards.length > 0)
                cues.play("reward")
            rewards = newRewards
            bestScore = Math.max(bestScore, best)
        }
    }

    // Seen: the rewards on the game-over screen are acknowledged when the
    // player moves on from it.
    function acknowledgeRewards() {
        if (rewards.length === 0 || pendingRequestId.length > 0)
            return
        var codes = []
        for (var i = 0; i < rewards.length; ++i)
            codes.push(rewards[i].code)
        var requestId = core.newGameId()
        if (core.acknowledgeSkinRewards(requestId, codes))
            pendingRequestId = requestId
    }

    function showAcknowledgement(requestId, success) {
        if (requestId === pendingRequestId)
            pendingRequestId = ""
    }

    onApplicationActiveChanged: if (!applicationActive) session.pause()
    onVisibleChanged: if (!visible) session.pause()
    onCurrentChanged: if (!current) session.pause()

    Keys.onLeftPressed: tap(-1)
    Keys.onRightPressed: tap(1)
    Keys.onSpacePressed: tap(session.velocityX > 0 ? -1 : 1)
    Keys.onEscapePressed: requestLeave()
    Keys.onBackPressed: requestLeave()

    GameSession {
        id: session
        onRunEnded: page.runEnded(snapshot)
        onCollided: world.knock(severity)
        onPowerUpTaken: world.takePowerUp(kind)
    }

    FrameDriver {
        session: session
    }

    LiveState {
        id: liveState
        objectName: "gameLive"
        current: page.current
        moving: session.state === GameSession.Running
    }

    FrontEndSettings {
        id: playSettings
        core: page.core
    }

    GameCues {
        id: cues
        session: session
        settings: playSettings
        active: page.applicationActive
    }

    Timer {
        // A tap meant as a jump must not start the next run by accident.
        id: restartGuard
        interval: 600
    }

    GameWorld {
        id: world
        anchors.fill: parent
        session: session
        unit: page.unit
        scaling: page.scaling
        live: page.live
        reducedMotion: playSettings.reducedMotion
        deathMarker: page.deathMarker
        skinSource: page.skinSource
    }

    // Taps: the left half jumps left, the right half right.
    MouseArea {
        objectName: "tapArea"
        anchors.fill: parent
        onPressed: page.tap(mouse.x < width / 2 ? -1 : 1)
    }

    GameHud {
        width: parent.width
        visible: session.state !== GameSession.Over
        session: session
        bestScore: page.bestScore
        scaling: page.scaling
    }

    ReadyHint {
        visible: session.state === GameSession.Ready
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height * 0.3
        width: parent.width * 0.85
        modeId: page.modeId
        scaling: page.scaling
        arrowsApart: page.width * 0.3
    }

    PauseOverlay {
        anchors.fill: parent
        visible: session.state === GameSession.Paused
        scaling: page.scaling
        onResume: session.resume()
        onLeave: page.requestLeave()
    }

    GameOverCard {
        anchors.fill: parent
        visible: session.state === GameSession.Over && !session.watching
        scaling: page.scaling
        endReason: session.endReason
        score: session.score
        bestScore: page.bestScore
        newBest: page.newBest
        settled: page.settled
        rewards: page.rewards
        runId: page.shownGameId
        onPlayAgain: page.tap(1)
        onMenu: page.leaveRun()
    }

    ReplayLayer {
        id: replayLayer
        anchors.fill: parent
        page: page
        session: session
    }

    Names {
        id: names
    }
}

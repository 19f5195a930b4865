import QtQuick 2.6
import org.hoplix.game 1.0
import org.hoplix.hoplix 1.0
import "../components"
import "../components/Theme.js" as Theme

// The game: the tower drawn from the session's pooled items, the character,
// the HUD, and the pause and game-over overlays. Sizes follow the width.
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
    property bool settled: false
    property bool newBest: false
    property var rewards: []
    property string pendingRequestId: ""
    // Set while the application quits: the run is then stored at once.
    property bool quitting: false
    property bool applicationActive: Qt.application.state === Qt.ApplicationActive
    // False while the shell shows another page over this one.
    property bool current: true
    // Set by a shell that asks before a run is abandoned: leaving then only
    // raises leaveAsked(), and the shell calls leaveRun() once the player agrees.
    property bool confirmsLeaving: false
    // The one rule for frames on this page: something animates only while
    // the application is active, the page is current and the run goes on.
    readonly property bool live: applicationActive && current
                                 && session.state === GameSession.Running
    readonly property bool runGoing: session.state === GameSession.Running
                                     || session.state === GameSession.Paused
    // False for a moment after a run ends, so a late jump tap does not
    // start the next run.
    readonly property bool canRestart: !restartGuard.running
    readonly property real scaling: width / 540
    // Pixels per world unit: the field's width fills the screen's.
    readonly property real unit: width / session.fieldWidth
    property alias session: session
    property alias replays: replayLayer

    signal leave()
    signal leaveAsked()

    focus: visible

    function now() {
        return new Date().toISOString().replace(/\.\d+Z$/, "Z")
    }

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
        if (core.submitGameRecord(snapshot))
            pendingGameId = snapshot.id
        restartGuard.restart()
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

    function endTitle(reason) {
        switch (reason) {
        case "wall": return qsTr("Hit a wall")
        case "block": return qsTr("Hit a block")
        case "fall": return qsTr("Fell off the screen")
        }
        return qsTr("Run over")
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
        onCollided: {
            if (playSettings.reducedMotion)
                return
            flash.color = severity === "fatal" ? "#ff4d4d"
                        : (severity === "absorbed" ? "#6fd3ff" : "#ffe08a")
            flashAnimation.restart()
            shake.amplitude = (severity === "glancing" ? 6 : 16) * page.scaling
            shakeAnimation.restart()
        }
        onPowerUpTaken: {
            if (playSettings.reducedMotion)
                return
            flash.color = kind === "clear" ? "#ffffff" : (kind === "dash" ? "#ffb347" : "#6fd3ff")
            flashAnimation.restart()
        }
    }

    FrameDriver {
        session: session
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

    Backdrop {
        anchors.fill: parent
        scroll: session.drawnCameraY * page.unit
    }

    Item {
        id: shake
        property real amplitude: 0
        property real offset: 0
        width: parent.width
        height: parent.height
        x: offset

        SequentialAnimation {
            id: shakeAnimation
            NumberAnimation { target: shake; property: "offset"; to: shake.amplitude; duration: 40 }
            NumberAnimation { target: shake; property: "offset"; to: -shake.amplitude; duration: 60 }
            NumberAnimation { target: shake; property: "offset"; to: shake.amplitude / 2; duration: 50 }
            NumberAnimation { target: shake; property: "offset"; to: 0; duration: 40 }
        }

        // The whole tower in one item; the camera moves it, nothing else.
        Item {
            id: world
            objectName: "world"
            width: parent.width
            y: page.height + session.drawnCameraY * page.unit

            function px(worldX) {
                return (worldX + session.fieldWidth / 2) * page.unit
            }

            // The launch pad, until the first jump.
            Rectangle {
                visible: session.padVisible
                x: world.px(-70)
                y: 0
                width: 140 * page.unit
                height: 14 * page.unit
                radius: height / 2
                color: Theme.accent
            }

            // Where the last run of this mode ended.
            Item {
                objectName: "deathMarker"
                visible: page.deathMarker !== null
                y: page.deathMarker ? -page.deathMarker.y * page.unit : 0
                width: world.width

                Repeater {
                    model: 18
                    Rectangle {
                        x: index * world.width / 18
                        y: -height / 2
                        width: world.width / 36
                        height: Math.max(2, 3 * page.scaling)
                        color: "#ff6b6b"
                        opacity: 0.7
                    }
                }

                Rectangle {
                    id: markerBadge
                    x: Math.max(0, Math.min(world.width - width,
                          world.px(page.deathMarker ? page.deathMarker.x : 0) - width / 2))
                    y: -height - 6 * page.scaling
                    width: markerText.implicitWidth + 20 * page.scaling
                    height: markerText.implicitHeight + 8 * page.scaling
                    radius: height / 2
                    color: "#c0392b"

                    Text {
                        id: markerText
                        anchors.centerIn: parent
                        text: qsTr("Last death")
                        font.pixelSize: 16 * page.scaling
                        font.bold: true
                        color: "white"
                    }
                }
            }

            Repeater {
                id: pool
                objectName: "itemPool"
                model: session.items

                Item {
                    visible: present
                    x: world.px(itemShift === 0 ? itemLeft
                                                : itemLeft - (1 - session.stepFraction) * itemShift)
                    y: -(itemBottom + itemHeight) * page.unit
                    width: itemWidth * page.unit
                    height: itemHeight * page.unit

                    Rectangle {
                        visible: kind === "wall"
                        anchors.fill: parent
                        radius: 6 * page.unit
                        gradient: Gradient {
                            GradientStop { position: 0.0; color: "#7cf0e0" }
                            GradientStop { position: 0.3; color: "#2bb5a6" }
                            GradientStop { position: 1.0; color: "#17756d" }
                        }
                        border.color: moving ? "#ffd166" : "#0e4f4a"
                        border.width: Math.max(1, 2 * page.unit)
                    }

                    Text {
                        // The section's number, on its wall's left piece.
                        visible: kind === "wall" && index % 5 === 0 && section >= 0
                        anchors.right: parent.right
                        anchors.rightMargin: 8 * page.unit
                        anchors.verticalCenter: parent.verticalCenter
                        text: section + 1
                        font.pixelSize: parent.height * 0.7
                        font.bold: true
                        color: "#0b3d39"
                    }

                    Rectangle {
                        visible: kind === "block"
                        anchors.fill: parent
                        radius: 8 * page.unit
                        gradient: Gradient {
                            GradientStop { position: 0.0; color: moving ? "#ff8fb1" : "#ffb36b" }
                            GradientStop { position: 1.0; color: moving ? "#d6336c" : "#e8590c" }
                        }
                        border.color: "#40000000"
                        border.width: Math.max(1, 2 * page.unit)
                    }

                    Image {
                        visible: kind === "powerup"
                        anchors.centerIn: parent
                        width: parent.width * 1.3
                        height: width
                        source: kind === "powerup" && powerUp.length > 0
                                ? "qrc:/assets/powerups/" + powerUp + ".svg" : ""
                        sourceSize.width: 96
                        sourceSize.height: 96
                        smooth: true

                        SequentialAnimation on scale {
                            running: page.live && kind === "powerup"
                            loops: Animation.Infinite
                            NumberAnimation { from: 0.9; to: 1.08; duration: 500 }
                            NumberAnimation { from: 1.08; to: 0.9; duration: 500 }
                        }
                    }
                }
            }

            GhostFace {
                session: session
                unit: page.unit
                source: page.skinSource
            }

            // The character: the worn face, the shield's bubble, the dash's trail.
            Item {
                id: character
                objectName: "character"
                readonly property real size: 2 * session.characterRadius * page.unit
                x: world.px(session.drawnPlayerX) - size / 2
                y: -session.drawnPlayerY * page.unit - size / 2
                width: size
                height: size

                Rectangle {
                    visible: session.dashActive
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: parent.height * 0.5
                    width: parent.width * 0.7
                    height: parent.height * 2.2
                    radius: width / 2
                    gradient: Gradient {
                        GradientStop { position: 0.0; color: "#ffb347" }
                        GradientStop { position: 1.0; color: "#00ffb347" }
                    }
                }

                Image {
                    anchors.fill: parent
                    source: page.skinSource
                    sourceSize.width: 128
                    sourceSize.height: 128
                    smooth: true
                    rotation: Math.max(-20, Math.min(20, session.velocityX / 12))
                }

                Image {
                    visible: session.shieldActive
                    anchors.centerIn: parent
                    width: parent.width * 1.6
                    height: width
                    source: "qrc:/assets/powerups/shield-bubble.svg"
                    sourceSize.width: 160
                    sourceSize.height: 160
                }
            }
        }
    }

    Rectangle {
        id: flash
        objectName: "flash"
        anchors.fill: parent
        opacity: 0
        visible: opacity > 0.01

        SequentialAnimation {
            id: flashAnimation
            PropertyAction { target: flash; property: "opacity"; value: 0.45 }
            NumberAnimation { target: flash; property: "opacity"; to: 0; duration: 260 }
        }
    }

    // Taps: the left half jumps left, the right half right.
    MouseArea {
        objectName: "tapArea"
        anchors.fill: parent
        onPressed: page.tap(mouse.x < width / 2 ? -1 : 1)
    }

    // HUD
    Item {
        id: hud
        width: parent.width
        height: 96 * page.scaling
        visible: session.state !== GameSession.Over

        Rectangle {
            anchors.fill: parent
            gradient: Gradient {
                GradientStop { position: 0.0; color: "#d00d1022" }
                GradientStop { position: 1.0; color: "#000d1022" }
            }
        }

        Rectangle {
            id: pauseButton
            objectName: "pauseButton"
            x: 16 * page.scaling
            y: 16 * page.scaling
            width: 52 * page.scaling
            height: width
            radius: width / 2
            color: "#40ffffff"
            visible: session.state === GameSession.Running

            Row {
                anchors.centerIn: parent
                spacing: parent.width * 0.14
                Rectangle { width: pauseButton.width * 0.14; height: pauseButton.height * 0.42; color: "white" }
                Rectangle { width: pauseButton.width * 0.14; height: pauseButton.height * 0.42; color: "white" }
            }

            MouseArea {
                anchors.fill: parent
                onClicked: session.pause()
            }
        }

        Text {
            objectName: "scoreText"
            anchors.horizontalCenter: parent.horizontalCenter
            y: 6 * page.scaling
            text: session.score
            font.pixelSize: 58 * page.scaling
            font.bold: true
            color: "white"
            style: Text.Outline
            styleColor: "#80000000"
        }

        Column {
            anchors.right: parent.right
            anchors.rightMargin: 16 * page.scaling
            y: 14 * page.scaling

            Text {
                anchors.right: parent.right
                text: qsTr("BEST")
                font.pixelSize: 15 * page.scaling
                font.bold: true
                color: Theme.secondaryText
            }
            Text {
                anchors.right: parent.right
                text: Math.max(page.bestScore, session.score)
                font.pixelSize: 28 * page.scaling
                font.bold: true
                color: Theme.accent
            }
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 72 * page.scaling
            spacing: 8 * page.scaling

            Image {
                visible: session.shieldActive
                width: 30 * page.scaling
                height: width
                source: "qrc:/assets/powerups/shield.svg"
                sourceSize.width: 64
                sourceSize.height: 64
            }
            Image {
                visible: session.dashActive
                width: 30 * page.scaling
                height: width
                source: "qrc:/assets/powerups/dash.svg"
                sourceSize.width: 64
                sourceSize.height: 64
            }
        }
    }

    // Before the first tap.
    Column {
        visible: session.state === GameSession.Ready
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height * 0.3
        width: parent.width * 0.85
        spacing: 12 * page.scaling

        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: page.modeId === "daily" ? qsTr("Daily tower") : qsTr("Endless tower")
            font.pixelSize: 34 * page.scaling
            font.bold: true
            color: Theme.accent
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: qsTr("Tap left or right to jump that way. Pass through the gaps; a hard knock from below ends the run, a gentle one bounces.")
            font.pixelSize: 21 * page.scaling
            color: Theme.text
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: page.width * 0.3
            Text { text: "\u25c0"; font.pixelSize: 44 * page.scaling; color: Theme.accent }
            Text { text: "\u25b6"; font.pixelSize: 44 * page.scaling; color: Theme.accent }
        }
    }

    // Pause
    Rectangle {
        objectName: "pauseOverlay"
        anchors.fill: parent
        visible: session.state === GameSession.Paused
        color: "#c00d1022"

        MouseArea {
            anchors.fill: parent
            onClicked: session.resume()
        }

        Column {
            anchors.centerIn: parent
            width: parent.width * 0.8
            spacing: 20 * page.scaling

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Paused")
                font.pixelSize: 54 * page.scaling
                font.bold: true
                color: "white"
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: qsTr("Tap anywhere to carry on.")
                font.pixelSize: 24 * page.scaling
                color: Theme.text
            }
            PillButton {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Resume")
                fontSize: 26 * page.scaling
                primary: true
                onClicked: session.resume()
            }
            PillButton {
                objectName: "leaveButton"
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Leave run")
                fontSize: 22 * page.scaling
                onClicked: page.requestLeave()
            }
        }
    }

    // Game over
    Rectangle {
        objectName: "gameOverOverlay"
        anchors.fill: parent
        visible: session.state === GameSession.Over && !session.watching
        color: "#b00d1022"

        MouseArea {
            anchors.fill: parent
            onClicked: page.tap(1)
        }

        Rectangle {
            anchors.centerIn: parent
            width: parent.width * 0.86
            height: card.height + 48 * page.scaling
            radius: 24 * page.scaling
            color: Theme.panel
            border.color: "#3a4566"
            border.width: Math.max(1, 2 * page.scaling)

            Column {
                id: card
                anchors.centerIn: parent
                width: parent.width - 48 * page.scaling
                spacing: 14 * page.scaling

                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: page.endTitle(session.endReason)
                    font.pixelSize: 32 * page.scaling
                    font.bold: true
                    color: Theme.bad
                }
                Text {
                    objectName: "finalScore"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: session.score
                    font.pixelSize: 84 * page.scaling
                    font.bold: true
                    color: "white"
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: page.newBest ? qsTr("New best score!")
                                       : qsTr("Best score: %1").arg(page.bestScore)
                    font.pixelSize: 24 * page.scaling
                    font.bold: page.newBest
                    color: page.newBest ? Theme.accent : Theme.secondaryText
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    visible: !page.settled
                    text: qsTr("Saving the run…")
                    font.pixelSize: 18 * page.scaling
                    color: Theme.secondaryText
                }

                Repeater {
                    objectName: "rewardList"
                    model: page.rewards

                    Rectangle {
                        width: card.width
                        height: 96 * page.scaling
                        radius: 14 * page.scaling
                        color: "#2f3850"
                        border.color: Theme.accent
                        border.width: Math.max(1, 2 * page.scaling)

                        SkinImage {
                            id: rewardSkin
                            x: 12 * page.scaling
                            anchors.verticalCenter: parent.verticalCenter
                            width: 72 * page.scaling
                            height: width
                            source: modelData.skinPath || ""
                        }
                        Column {
                            anchors.left: rewardSkin.right
                            anchors.leftMargin: 14 * page.scaling
                            anchors.right: parent.right
                            anchors.verticalCenter: parent.verticalCenter
                            spacing: 4 * page.scaling

                            Text {
                                width: parent.width
                                elide: Text.ElideRight
                                text: names.achievementTitle(modelData.code)
                                font.pixelSize: 22 * page.scaling
                                font.bold: true
                                color: Theme.accent
                            }
                            Text {
                                width: parent.width
                                elide: Text.ElideRight
                                text: qsTr("New skin: %1").arg(modelData.skinId || "")
                                font.pixelSize: 17 * page.scaling
                                color: Theme.text
                            }
                        }
                    }
                }

                PillButton {
                    objectName: "playAgainButton"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: qsTr("Play again")
                    fontSize: 28 * page.scaling
                    primary: true
                    onClicked: page.tap(1)
                }
                PillButton {
                    objectName: "menuButton"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: qsTr("Menu")
                    fontSize: 20 * page.scaling
                    onClicked: page.leaveRun()
                }
            }
        }
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

import QtQuick 2.6
import QtTest 1.0
import org.hoplix.hoplix 1.0
import org.hoplix.game 1.0
import org.hoplix.test 1.0
import "../../qml/pages"
import "../../qml/components"

// Replays on the game page with a real facade and database: a finished run
// watched to its end, its ghost raced with the same taps, and its code copied
// and pasted back.
Item {
    id: host
    width: 540
    height: 960

    property var page: null
    readonly property var core: page ? page.core : null

    Component { id: coreComponent; ApplicationCore {} }
    Component { id: pageComponent; GamePage { anchors.fill: parent } }
    Component { id: fieldComponent; RunCodeField { width: 400 } }
    Clipboard { id: clipboard }
    SignalSpy { id: settled; target: core; signalName: "gameSettled" }

    TestCase {
        id: replayCase
        name: "Replays"
        when: windowShown

        // The same taps every time: a jump every `every` steps, side to side.
        function playScript(session, every) {
            for (var i = 0; i < 400 && session.state !== GameSession.Over; ++i) {
                session.jump(i % 3 ? 1 : -1)
                session.advance(every)
            }
        }

        // A run of the player's own, settled; its code.
        function finishedRun() {
            page.open("endless")
            playScript(page.session, 9)
            compare(page.session.state, GameSession.Over)
            tryCompare(settled, "count", 1, 10000)
            verify(page.session.lastCode.length > 0)
            return page.session.lastCode
        }

        function init() {
            TestConfiguration.fresh()
            page = pageComponent.createObject(host, { "seed": "4711" })
            page.core = coreComponent.createObject(page)
            core.gameSettled.connect(page.showSettlement)
            settled.clear()
        }

        function cleanup() {
            page.destroy()
        }

        function test_watchedToItsEnd() {
            var code = finishedRun()
            var score = page.session.score
            verify(score > 0)
            verify(page.replays.watch(code))
            compare(page.session.state, GameSession.Running)
            verify(findChild(page, "replayControls").visible)
            mouseClick(findChild(page, "speed4"))
            compare(page.session.playbackSpeed, 4)
            // The frame clock plays it on to its end.
            tryCompare(page.session, "state", GameSession.Over, 10000)
            compare(findChild(page, "replayScore").text, String(score))
            verify(findChild(page, "replayOverCard").visible)
            verify(!findChild(page, "gameOverOverlay").visible)
            // Watching stores nothing.
            wait(200)
            compare(settled.count, 1)
            compare(core.gameRecords("endless").length, 1)
        }

        function test_ghostMovesWithTheRun() {
            var code = finishedRun()
            var score = page.session.score
            mouseClick(findChild(page, "againButton"))
            compare(page.session.state, GameSession.Ready)
            verify(page.session.ghostActive)
            var ghost = findChild(page, "ghost")
            var character = findChild(page, "character")
            verify(ghost.visible)
            var startY = ghost.y
            // The same taps again: the ghost is where the player is.
            for (var i = 0; i < 400 && page.session.state !== GameSession.Over; ++i) {
                page.session.jump(i % 3 ? 1 : -1)
                page.session.advance(9)
                compare(ghost.x, character.x)
                compare(ghost.y, character.y)
            }
            verify(ghost.y !== startY)
            compare(page.session.ghostScore, score)
            tryCompare(settled, "count", 2, 10000)
        }

        function test_codeCopiedAndPasted() {
            var code = finishedRun()
            var score = page.session.score
            mouseClick(findChild(page, "copyButton"))
            compare(clipboard.text, code)

            var field = fieldComponent.createObject(host)
            var chosen = []
            field.chosen.connect(function(pasted, race) { chosen.push(pasted) })
            // Anything that is not a whole code is refused with why.
            var bad = ["hello", code.substring(0, code.length - 3), "HX2." + code.substring(4),
                       code.substring(0, 10) + (code.charAt(10) === "A" ? "B" : "A") + code.substring(11)]
            for (var i = 0; i < bad.length; ++i) {
                field.text = bad[i]
                mouseClick(findChild(field, "watchCodeButton"))
                verify(findChild(field, "runCodeMessage").visible, bad[i])
            }
            compare(chosen.length, 0)
            compare(page.session.state, GameSession.Over)

            field.text = clipboard.text
            mouseClick(findChild(field, "watchCodeButton"))
            compare(chosen.length, 1)
            verify(!findChild(field, "runCodeMessage").visible)
            verify(page.replays.watch(chosen[0]))
            mouseClick(findChild(page, "skipButton"))
            compare(page.session.state, GameSession.Over)
            compare(findChild(page, "replayScore").text, String(score))
            field.destroy()
        }
    }
}

import QtQuick 2.6
import QtTest 1.0
import org.hoplix.hoplix 1.0
import org.hoplix.game 1.0
import org.hoplix.test 1.0
import "../../qml/pages"
import "../../qml" as Shells

// The front end's pieces offscreen, each with a real facade and database:
// the game page (taps, the clock, settlement and rewards, pausing, leaving a
// run), and the phone's shell through the test stand-in of Silica
// (tests/qml/stubs: the pull-down menu's pages, the game's back swipe and
// leaving, keeping the display on, and the cover).
Item {
    id: host
    width: 540
    height: 960

    property var page: null
    readonly property var core: page ? page.core : null
    property var shell: null

    Component { id: coreComponent; ApplicationCore {} }
    Component { id: pageComponent; GamePage { anchors.fill: parent } }
    Component { id: shellComponent; Shells.SilicaShell { keepAliveAvailable: true } }
    SignalSpy { id: settled; target: core; signalName: "gameSettled" }
    SignalSpy { id: acknowledged; target: core; signalName: "skinRewardsAcknowledged" }

    // Waits, with the event loop running, until the condition holds or the
    // time is up, then checks it once more; the phone's QtTest has no tryVerify.
    function waitUntil(test, condition, timeout) {
        for (var waited = 0; !condition() && waited < timeout; waited += 20)
            test.wait(20)
        test.verify(condition(), "condition not met within " + timeout + " ms")
    }

    TestCase {
        id: gameCase
        name: "GamePage"
        when: windowShown

        function init() {
            TestConfiguration.fresh()
            page = pageComponent.createObject(host)
            page.core = coreComponent.createObject(page)
            settled.clear()
            acknowledged.clear()
            page.open("endless")
            // Taps below land on the right half of the page: jumps to the right.
        }

        function cleanup() {
            page.destroy()
        }

        function test_runIsSettledOnceAndItsRewardsShown() {
            // A stored run of 250 leaves two rewards waiting for the next answer.
            verify(core.saveGameRecord("earlier", "endless", 250, "wall", "2025-01-31T08:00:00Z",
                                       "2025-01-31T08:01:00Z"))
            mouseClick(page, 400, 600)
            // The clock moves the world on its own.
            host.waitUntil(gameCase, function() { return page.session.playerY > 40 }, 2000)
            // Rushing upward ends the run against whatever is overhead.
            for (var i = 0; i < 400 && page.session.state === GameSession.Running; ++i) {
                page.session.jump(i % 2 ? 1 : -1)
                page.session.advance(10)
            }
            tryCompare(page, "settled", true, 10000)
            compare(findChild(page, "rewardList").count, 2)
            // The best score comes with the answer: the earlier run was stored after the page opened.
            compare(page.bestScore, 250)

            // One tap plays again; the rewards seen are acknowledged.
            tryCompare(page, "canRestart", true)
            mouseClick(page, 400, 600)
            compare(page.session.state, GameSession.Ready)
            tryCompare(acknowledged, "count", 1, 10000)
            tryCompare(page, "pendingRequestId", "")
            compare(settled.count, 1)
        }

        function test_anotherRunsAnswerIsLeftAlone() {
            // A run the page did not play (the developer page's, say) settles
            // with rewards while the page waits for its first tap.
            verify(core.submitGameRecord({ "id": core.newGameId(), "modeId": "endless",
                                           "score": 300, "endReason": "wall",
                                           "startedAt": "2025-01-31T08:00:00Z",
                                           "endedAt": "2025-01-31T08:01:00Z" }))
            tryCompare(settled, "count", 1, 10000)
            verify(settled.signalArguments[0][2].length > 0)
            verify(!page.settled)
            compare(page.rewards.length, 0)
            compare(page.bestScore, 0)
        }

        // (Quitting during a run: tst_frontend, through either shell.)
        function test_backKeyStoresAbandonedRun() {
            mouseClick(page, 400, 600)
            page.session.advance(90)
            keyClick(Qt.Key_Escape)
            tryCompare(settled, "count", 1, 10000)
            var records = core.gameRecords("endless")
            compare(records.length, 1)
            compare(records[0].endReason, "abandoned")
            compare(records[0].jumpCount, 1)
        }

        function test_itemCountStaysConstant() {
            // A tower the autopilot is known to climb far, played without
            // returning to the event loop, so no real-time step comes between
            // the autopilot's: a random tower, or a few steps more on a slow
            // build, may end the run early and prove less.
            page.seed = "3"
            page.open("endless")
            page.session.autoplay(1)
            var world = findChild(page, "world")
            var items = world.children.length
            for (var i = 0; i < 20 && page.session.state === GameSession.Running; ++i) {
                page.session.autoplay(600)
                compare(world.children.length, items)
            }
            verify(page.session.sectionsPassed >= 20)
            compare(findChild(page, "itemPool").count, page.session.itemCount)
        }
    }

    TestCase {
        id: shellCase
        name: "SilicaShell"
        when: windowShown

        function init() {
            TestConfiguration.fresh()
            // A stored run, for the best score.
            var seed = coreComponent.createObject(host)
            verify(seed.saveGameRecord("seed", "endless", 60, "wall", "2025-01-31T08:00:00Z",
                                       "2025-01-31T08:01:00Z"))
            seed.destroy()
            shell = shellComponent.createObject(host)
        }

        function cleanup() {
            shell.destroy()
        }

        function test_menuEntryOpensItsPage_data() {
            return [{ tag: "Achievements", view: "achievementsView" }, { tag: "Skins", view: "skinsView" },
                    { tag: "Runs", view: "recordsList" }, { tag: "Settings", view: "settingsView" }]
        }

        function test_menuEntryOpensItsPage(data) {
            var entries = findChild(shell.pageStack.currentPage, "startMenu").children
            for (var i = 0; i < entries.length; ++i)
                if (entries[i].text === data.tag)
                    entries[i].clicked()
            compare(shell.pageStack.depth, 2)
            var page = shell.pageStack.currentPage
            verify(findChild(page, data.view) !== null)
            if (data.view === "recordsList")
                tryCompare(findChild(page, "recordsList"), "count", 1)
            shell.pageStack.navigateBack()
            compare(shell.pageStack.depth, 1)
        }

        function test_gameBackSwipeAndLeaving() {
            findChild(shell.pageStack.currentPage, "playButton").clicked()
            var page = shell.pageStack.currentPage
            var blanking = findChild(shell, "displayBlanking")
            mouseClick(page, page.width * 0.75, page.height * 0.6)
            verify(blanking.preventBlanking)

            // A swipe would end the run: refused.
            shell.pageStack.navigateBack()
            compare(shell.pageStack.currentPage, page)

            // Leaving asks first; the run is stored once the player lets it go.
            keyClick(Qt.Key_Escape)
            compare(page.game.session.state, GameSession.Paused)
            verify(!blanking.preventBlanking)
            compare(shell.pageStack.depth, 2)
            findChild(page, "leaveRemorse").callback()
            compare(shell.pageStack.depth, 1)
            compare(shell.gamePage, null)
            var reader = coreComponent.createObject(host)
            host.waitUntil(shellCase, function() { return reader.gameRecords("endless").length === 2 }, 10000)
            compare(reader.gameRecords("endless")[0].endReason, "abandoned")
            reader.destroy()
        }

        // No shell hands the answer on: the start page and the cover hear of
        // a new best by themselves, whichever path stored the run.
        function test_newBestShowsOnStartAndCover_data() {
            return [{ tag: "settled on the worker", async: true },
                    { tag: "stored on the GUI thread", async: false }]
        }

        function test_newBestShowsOnStartAndCover(data) {
            var start = shell.pageStack.currentPage
            var core = start.core
            var run = { "id": core.newGameId(), "modeId": "endless", "score": 250,
                        "endReason": "wall", "startedAt": "2025-01-31T09:00:00Z",
                        "endedAt": "2025-01-31T09:01:00Z" }
            if (data.async)
                verify(core.submitGameRecord(run))
            else
                verify(core.saveGameRecord(run.id, run.modeId, run.score, run.endReason,
                                           run.startedAt, run.endedAt))
            var best = findChild(shell._coverItem, "coverBest")
            host.waitUntil(shellCase, function() { return best.text.indexOf("250") >= 0 }, 10000)
            compare(findChild(start, "startPage").bestScore, 250)
        }

        function test_coverShowsScoresAndItsActionPauses() {
            var cover = shell._coverItem
            verify(findChild(cover, "coverBest").text.indexOf("60") >= 0)
            verify(!findChild(cover, "coverRunScore").visible)
            var action = findChild(cover, "coverAction")

            // No run: the action brings the game up.
            action.triggered()
            compare(shell._activations, 1)
            var page = shell.pageStack.currentPage
            mouseClick(page, page.width * 0.25, page.height * 0.6)
            verify(findChild(cover, "coverRunScore").visible)

            action.triggered()
            compare(page.game.session.state, GameSession.Paused)
            verify(findChild(cover, "coverRunScore").visible)
        }
    }
}

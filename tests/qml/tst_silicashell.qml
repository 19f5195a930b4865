import QtQuick 2.6
import QtTest 1.0
import org.hoplix.hoplix 1.0
import org.hoplix.game 1.0
import org.hoplix.test 1.0
import "../../qml/sailfish"

// The phone's shell, loaded headless through the test stand-in of Silica
// (tests/qml/stubs): the pull-down menu's pages, the game's back swipe and
// leaving, keeping the display on, and the cover.
Item {
    id: host
    width: 540
    height: 960

    property var shell: null

    Component { id: coreComponent; ApplicationCore {} }
    Component { id: shellComponent; SilicaShell { keepAliveAvailable: true } }

    TestCase {
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
            tryVerify(function() { return reader.gameRecords("endless").length === 2 }, 10000)
            compare(reader.gameRecords("endless")[0].endReason, "abandoned")
            reader.destroy()
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

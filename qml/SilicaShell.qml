import QtQuick 2.6
import Sailfish.Silica 1.0
import org.hoplix.hoplix 1.0
import org.hoplix.game 1.0
import "components" as Shared
import "sailfish"

// The phone's shell: Silica pages on the page stack (back by a swipe), the
// other pages in the start page's pull-down menu, and a cover. The pages'
// bodies and the game are the same as the desktop's; the shell gives them
// Silica's sizes and colours.
// The phone's package installs this file as qml/harbour-hoplix.qml, so that
// the window is the view's root object, where Silica expects it: the page
// stack, the cover, the orientation and the keyboard hang on it.
ApplicationWindow {
    id: window
    objectName: "silicaShell"

    // The mode chosen on the start page; the cover shows its best score.
    property string modeId: "endless"
    property Item startPage: null
    // The game page while it is on the stack.
    property Item gamePage: null
    readonly property var session: gamePage ? gamePage.game.session : null
    readonly property bool playing: session !== null && session.state === GameSession.Running
                                    && Qt.application.state === Qt.ApplicationActive
    // Nemo.KeepAlive is part of the phone but not of every desktop; start-up
    // says whether this engine has it.
    property bool keepAliveAvailable: typeof platformModules !== "undefined"
                                      && platformModules.keepAlive === true

    initialPage: startPageComponent
    cover: coverComponent

    // Opens the game on the mode of the start page, or returns to the one
    // already open.
    function openGame() {
        if (gamePage !== null)
            return
        if (pageStack.currentPage !== startPage)
            pageStack.pop(startPage, true)
        pageStack.push(gamePageComponent)
    }

    function openPage(name) {
        if (name === "runs")
            pageStack.push(recordsPageComponent)
        else
            pageStack.push(viewPageComponent, { "name": name, "title": pageNames.pageTitle(name) })
    }

    // A run code from the runs page, watched or raced on the game page.
    function replay(code, race) {
        openGame()
        if (race)
            gamePage.game.replays.race(code)
        else
            gamePage.game.replays.watch(code)
    }

    // The cover's one action: pause the run that is going; otherwise bring
    // the game up, ready for a tap (or paused, where it was left).
    function coverAction() {
        if (session !== null && session.state === GameSession.Running) {
            session.pause()
        } else {
            openGame()
            activate()
        }
    }

    ApplicationCore {
        id: appCore
    }

    Shared.PageSounds {
        core: appCore
    }

    Shared.Look {
        id: shellLook
        fontSmall: Theme.fontSizeExtraSmall
        fontNormal: Theme.fontSizeSmall
        fontLarge: Theme.fontSizeLarge
        margin: Theme.horizontalPageMargin
        spacing: Theme.paddingMedium
        radius: Theme.paddingSmall
        iconSize: Theme.iconSizeLarge
        text: Theme.primaryColor
        secondaryText: Theme.secondaryColor
        accent: Theme.highlightColor
        panel: Theme.rgba(Theme.highlightBackgroundColor, 0.15)
        panelHighlight: Theme.rgba(Theme.highlightBackgroundColor, 0.35)
    }

    Component {
        id: startPageComponent
        SilicaStartPage {
            id: start
            core: appCore
            onModeIdChanged: window.modeId = modeId
            onPlay: window.openGame()
            onOpenPage: window.openPage(name)
            Component.onCompleted: window.startPage = start
        }
    }

    Component {
        id: gamePageComponent
        SilicaGamePage {
            id: game
            core: appCore
            modeId: window.modeId
            onLeft: {
                if (window.gamePage === game)
                    window.gamePage = null
            }
            onClose: if (window.pageStack.currentPage === game) window.pageStack.pop()
            Component.onCompleted: window.gamePage = game
        }
    }

    Component {
        id: viewPageComponent
        ViewPage {
            core: appCore
            look: shellLook
        }
    }

    Component {
        id: recordsPageComponent
        SilicaRecordsPage {
            core: appCore
            look: shellLook
            onReplayAsked: window.replay(code, race)
        }
    }

    Component {
        id: coverComponent
        CoverPage {
            core: appCore
            modeId: window.modeId
            session: window.session
            onAction: window.coverAction()
        }
    }

    // Keeps the display lit while a run is going and the game is in front.
    Loader {
        objectName: "keepDisplayOn"
        active: window.keepAliveAvailable
        source: "sailfish/KeepDisplayOn.qml"
        onLoaded: item.playing = Qt.binding(function() { return window.playing })
    }

    function storeOnQuit() {
        if (gamePage)
            gamePage.game.storeOnQuit()
    }

    // Tells whoever reads the log that the front end is up, and which
    // translation it got (in the words of the settings page).
    Component.onCompleted: {
        // Closing the app or quitting while a run is going stores it.
        Qt.application.aboutToQuit.connect(window.storeOnQuit)
        console.log("[harbour-hoplix] front end loaded:",
                                       qsTranslate("SettingsPage", "Language of this interface: English"))
    }

    Shared.Names {
        id: pageNames
    }
}

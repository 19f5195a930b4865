import QtQuick 2.6
import org.hoplix.hoplix 1.0

// Hands a run code on: to the clipboard always, and to the phone's share
// sheet where Sailfish.Share is there (loaded only then, without a warning).
Item {
    id: share

    // Start-up's probe of the view's engine; a test may set it.
    property bool shareAvailable: typeof platformModules !== "undefined"
                                  && platformModules.share === true
    readonly property bool canShare: loader.status === Loader.Ready

    signal copied()

    function copy(code) {
        if (code.length === 0)
            return
        clipboard.text = code
        copied()
    }

    function send(code) {
        if (code.length > 0 && loader.item)
            loader.item.send(code, qsTr("A Hoplix run"))
    }

    Clipboard {
        id: clipboard
    }

    Loader {
        id: loader
        active: share.shareAvailable
        source: "ShareSheet.qml"
    }
}

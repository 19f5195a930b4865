import QtQuick 2.6
import org.hoplix.hoplix 1.0

// Hands a run code on: to the clipboard always, and to the phone's share
// sheet where Sailfish.Share is there. The share action is made from text
// only then, so that no file of the desktop's install imports the phone's
// modules and a desktop without them gives no warning.
Item {
    id: share

    // Start-up's probe of the view's engine; a test may set it.
    property bool shareAvailable: typeof platformModules !== "undefined"
                                  && platformModules.share === true
    readonly property bool canShare: shareAvailable
    property QtObject sheet: null

    signal copied()

    function copy(code) {
        if (code.length === 0)
            return
        clipboard.text = code
        copied()
    }

    function send(code) {
        if (code.length === 0 || !shareAvailable)
            return
        if (!sheet)
            sheet = Qt.createQmlObject("import Sailfish.Share 1.0; ShareAction { mimeType: \"text/plain\" }",
                                       share, "ShareSheet")
        sheet.title = qsTr("A Hoplix run")
        sheet.resources = [{ "data": code, "name": "hoplix-run.txt", "type": "text/plain",
                             "status": code }]
        sheet.trigger()
    }

    Clipboard {
        id: clipboard
    }
}

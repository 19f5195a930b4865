import QtQuick 2.6
import Sailfish.Share 1.0

// The phone's share sheet for a run code, loaded only where the module is.
ShareAction {
    id: action
    mimeType: "text/plain"

    function send(code, heading) {
        action.title = heading
        action.resources = [{ "data": code, "name": "hoplix-run.txt", "type": "text/plain",
                              "status": code }]
        action.trigger()
    }
}

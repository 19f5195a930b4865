import QtQuick 2.6

// The facade answers every page's runs and reward requests alike; a page
// keeps this beside it and takes from it the answers to its own. Connected
// by hand: the phone's Qt knows no function handlers in Connections, and the
// desktop's warns about the older form.
QtObject {
    id: answers

    property QtObject core: null

    signal settled(string gameId, bool success, var rewards, int bestScore)
    signal acknowledged(string requestId, bool success)

    property QtObject connected: null

    function listenTo(facade) {
        if (connected) {
            connected.gameSettled.disconnect(answers.settled)
            connected.skinRewardsAcknowledged.disconnect(answers.acknowledged)
        }
        connected = facade
        if (facade) {
            facade.gameSettled.connect(answers.settled)
            facade.skinRewardsAcknowledged.connect(answers.acknowledged)
        }
    }

    onCoreChanged: listenTo(core)
    // The facade outlives a page popped off the phone's stack.
    Component.onDestruction: listenTo(null)
}

import QtQuick 2.6
import org.hoplix.game 1.0

// A run code someone sent: pasted here to watch it or race its ghost. A code
// that cannot be used is answered with why, and nothing else happens.
Column {
    id: field
    objectName: "runCodeField"

    property QtObject look: Look {}
    property alias text: input.text
    property string message: ""

    // A usable code, to watch (race false) or race.
    signal chosen(string code, bool race)

    function use(race) {
        var problem = checker.problemOf(input.text)
        message = names.codeProblem(problem)
        if (problem.length === 0)
            chosen(input.text, race)
    }

    spacing: look.spacing / 2

    GameSession {
        id: checker
    }

    Names {
        id: names
    }

    LabeledField {
        id: input
        look: field.look
        width: parent.width
        label: qsTr("A run code you were sent")
        onTextChanged: field.message = ""
    }

    Row {
        spacing: look.spacing

        PillButton {
            objectName: "watchCodeButton"
            text: qsTr("Watch")
            fontSize: look.fontNormal
            enabled: input.text.length > 0
            onClicked: field.use(false)
        }
        PillButton {
            objectName: "raceCodeButton"
            text: qsTr("Race its ghost")
            fontSize: look.fontNormal
            enabled: input.text.length > 0
            onClicked: field.use(true)
        }
    }

    Text {
        objectName: "runCodeMessage"
        visible: field.message.length > 0
        width: parent.width
        wrapMode: Text.Wrap
        text: field.message
        font.pixelSize: look.fontSmall
        color: look.accent
    }
}

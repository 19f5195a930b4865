import QtQuick 2.6
import "../components"
import "../components/Theme.js" as Theme

// For developers: finishes a run typed by hand and shows what the settlement
// answers, so the backend's own checks can be tried. Players never meet it.
Column {
    id: page
    objectName: "developerPage"

    property var core
    property QtObject look: Look {}
    // The run waiting for its settlement, and the acknowledgement waiting for its answer.
    property string pendingGameId: ""
    property string pendingRequestId: ""
    property string runStartedAt: now()
    property string status: ""
    // The latest answer: { gameId, success, rewards, bestScore }, or null.
    property var settlement: null

    CoreAnswers {
        core: page.core
        onSettled: page.showSettlement(gameId, success, rewards, bestScore)
        onAcknowledged: page.showAcknowledgement(requestId, success)
    }

    function now() {
        return new Date().toISOString().replace(/\.\d+Z$/, "Z")
    }

    // Script numbers go to the backend as numbers; anything else as the text
    // typed, so that the backend's own checks can be tried too.
    function numberOrText(text) {
        var trimmed = text.trim()
        var number = Number(trimmed)
        return isNaN(number) ? trimmed : number
    }

    function putCount(snapshot, key, text) {
        if (text.trim().length > 0)
            snapshot[key] = numberOrText(text)
    }

    function finishRun() {
        var snapshot = {
            "id": core.newGameId(),
            "modeId": modeField.text,
            "endReason": endReason.value,
            "startedAt": runStartedAt,
            "endedAt": now()
        }
        putCount(snapshot, "score", scoreField.text)
        putCount(snapshot, "jumpCount", jumpsField.text)
        putCount(snapshot, "maxSectionJumpCount", sectionJumpsField.text)
        putCount(snapshot, "wallCollisionCount", wallsField.text)
        putCount(snapshot, "blockCollisionCount", blocksField.text)
        if (deathYField.text.trim().length > 0 && deathXField.text.trim().length > 0) {
            snapshot.deathWorldY = numberOrText(deathYField.text)
            snapshot.deathWorldX = numberOrText(deathXField.text)
        }
        if (core.submitGameRecord(snapshot)) {
            pendingGameId = snapshot.id
            status = qsTr("Settling the run…")
            runStartedAt = now()
        } else {
            status = qsTr("The run was refused.")
        }
    }

    function showSettlement(gameId, success, rewards, bestScore) {
        if (gameId !== pendingGameId)
            return
        pendingGameId = ""
        settlement = { "gameId": gameId, "success": success, "rewards": rewards,
                       "bestScore": bestScore }
        status = success ? qsTr("Run stored.") : qsTr("The run could not be stored.")
    }

    function collectRewards() {
        var codes = []
        for (var i = 0; i < settlement.rewards.length; ++i)
            codes.push(settlement.rewards[i].code)
        var requestId = core.newGameId()
        if (core.acknowledgeSkinRewards(requestId, codes))
            pendingRequestId = requestId
        else
            status = qsTr("There is nothing to collect.")
    }

    function showAcknowledgement(requestId, success) {
        if (requestId !== pendingRequestId)
            return
        pendingRequestId = ""
        if (success) {
            settlement = { "gameId": settlement.gameId, "success": settlement.success,
                           "rewards": [], "bestScore": settlement.bestScore }
            status = qsTr("Rewards collected. Their skins are waiting on the Skins page.")
        } else {
            status = qsTr("The rewards could not be collected.")
        }
    }

    spacing: look.spacing

    Names {
        id: names
    }

    SectionHeader {
        look: page.look
        width: parent.width
        text: qsTr("Finish a run")
    }

    LabeledField {
        look: page.look
        id: modeField
        width: parent.width
        label: qsTr("Mode")
        text: "endless"
    }

    Grid {
        width: parent.width
        columns: 2
        columnSpacing: look.spacing
        rowSpacing: look.spacing

        LabeledField {
            look: page.look
            id: scoreField
            width: (parent.width - look.spacing) / 2
            label: qsTr("Score")
            text: "60"
        }
        LabeledField {
            look: page.look
            id: jumpsField
            width: (parent.width - look.spacing) / 2
            label: qsTr("Jumps")
            text: "12"
        }
        LabeledField {
            look: page.look
            id: sectionJumpsField
            width: (parent.width - look.spacing) / 2
            label: qsTr("Most jumps in a section")
            text: "4"
        }
        LabeledField {
            look: page.look
            id: wallsField
            width: (parent.width - look.spacing) / 2
            label: qsTr("Wall collisions")
            text: "1"
        }
        LabeledField {
            look: page.look
            id: blocksField
            width: (parent.width - look.spacing) / 2
            label: qsTr("Block collisions")
            text: "2"
        }
        Item {
            width: 1
            height: 1
        }
        LabeledField {
            look: page.look
            id: deathYField
            width: (parent.width - look.spacing) / 2
            label: qsTr("Death position Y")
            placeholder: qsTr("none")
            text: "1250.5"
        }
        LabeledField {
            look: page.look
            id: deathXField
            width: (parent.width - look.spacing) / 2
            label: qsTr("Death position X")
            placeholder: qsTr("none")
            text: "-64"
        }
    }

    OptionRow {
        look: page.look
        id: endReason
        width: parent.width
        label: qsTr("End reason")
        value: "wall"
        options: [
            { "value": "wall", "text": names.endReason("wall") },
            { "value": "block", "text": names.endReason("block") },
            { "value": "fall", "text": names.endReason("fall") },
            { "value": "abandoned", "text": names.endReason("abandoned") }
        ]
    }

    ActionButton {
        look: page.look
        width: parent.width
        primary: true
        text: qsTr("Finish run")
        enabled: page.pendingGameId.length === 0
        onClicked: page.finishRun()
    }

    Text {
        width: parent.width
        wrapMode: Text.Wrap
        text: page.status
        font.pixelSize: look.fontNormal
        color: look.text
        visible: text.length > 0
    }

    SectionHeader {
        look: page.look
        width: parent.width
        text: qsTr("Result")
        visible: page.settlement !== null
    }

    Rectangle {
        width: parent.width
        height: result.height + 2 * look.margin
        radius: look.radius
        color: look.panel
        visible: page.settlement !== null

        Column {
            id: result
            x: look.margin
            y: look.margin
            width: parent.width - 2 * look.margin
            spacing: look.spacing

            Text {
                text: page.settlement && page.settlement.success ? qsTr("Settled") : qsTr("Not settled")
                font.pixelSize: look.fontNormal
                font.bold: true
                color: page.settlement && page.settlement.success ? look.good : look.bad
            }
            Text {
                text: qsTr("Best score of the mode: %1")
                      .arg(page.settlement ? page.settlement.bestScore : "")
                font.pixelSize: look.fontNormal
                color: look.text
            }
            Text {
                width: parent.width
                wrapMode: Text.Wrap
                text: page.settlement && page.settlement.rewards.length > 0
                      ? qsTr("New rewards!") : qsTr("No rewards waiting.")
                font.pixelSize: look.fontNormal
                color: look.secondaryText
            }

            Repeater {
                model: page.settlement ? page.settlement.rewards : []

                Row {
                    spacing: look.margin

                    SkinImage {
                        width: look.iconSize
                        height: width
                        source: modelData.skinPath || ""
                    }
                    Column {
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: look.spacing / 2

                        Text {
                            text: names.achievementTitle(modelData.code)
                            font.pixelSize: look.fontNormal
                            font.bold: true
                            color: look.text
                        }
                        Text {
                            text: qsTr("Skin: %1").arg(modelData.skinId || qsTr("none"))
                            font.pixelSize: look.fontSmall
                            color: look.secondaryText
                        }
                    }
                }
            }

            ActionButton {
                look: page.look
                width: parent.width
                text: qsTr("Collect rewards")
                visible: page.settlement !== null && page.settlement.rewards.length > 0
                enabled: page.pendingRequestId.length === 0
                onClicked: page.collectRewards()
            }
        }
    }
}

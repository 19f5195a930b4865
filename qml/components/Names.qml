import QtQuick 2.6

// The player-facing texts for the backend's codes.
QtObject {
    // The title of a page, by the name the shells and start pages use for it.
    function pageTitle(name) {
        switch (name) {
        case "achievements": return qsTr("Achievements")
        case "skins": return qsTr("Skins")
        case "runs": return qsTr("Runs")
        case "settings": return qsTr("Settings")
        case "developer": return qsTr("Developer: finish a run")
        }
        return ""
    }

    // Why a run code cannot be used, by GameSession's key for it.
    function codeProblem(key) {
        switch (key) {
        case "": return ""
        case "notCode": return qsTr("This is not a Hoplix run code.")
        case "otherVersion": return qsTr("This run code comes from another version of Hoplix.")
        case "damaged": return qsTr("This run code is damaged or incomplete.")
        case "otherRules": return qsTr("This run was played by other rules of the game; it cannot be shown here.")
        }
        return qsTr("This run code cannot be used now.")
    }

    function achievementTitle(code) {
        switch (code) {
        case "score_50": return qsTr("Warming up")
        case "score_200": return qsTr("High flyer")
        case "score_500": return qsTr("Unstoppable")
        case "headstrong": return qsTr("Headstrong")
        case "every_point_counts": return qsTr("Every point counts")
        case "stay_in_place": return qsTr("Stay in place")
        case "practice_more": return qsTr("Practice more")
        case "clown_moment": return qsTr("Clown moment")
        }
        return code
    }

    // What an achievement asks of the player, from its condition type,
    // target and parameters.
    function condition(item) {
        var p = item.parameters || {}
        switch (item.conditionType) {
        case 1: return qsTr("Jump %1 times within one section").arg(item.targetValue)
        case 3: return qsTr("Reach %1 within %2 seconds").arg(item.targetValue).arg(item.windowSeconds)
        case 4: return qsTr("Score %1 points in one run").arg(item.targetValue)
        case 5: return qsTr("Collide %1 times in one mode, all runs together").arg(item.targetValue)
        case 6: return qsTr("Score %1 points in one mode, all runs together").arg(item.targetValue)
        case 7: return qsTr("Die %1 times in a row with at most %2 points").arg(item.targetValue).arg(p.max_score)
        case 8: return qsTr("Die with %2 points right after dying with %1 or more").arg(p.previous_min_score).arg(p.current_score)
        }
        return qsTr("A condition of its own")
    }

    function endReason(reason) {
        switch (reason) {
        case "wall": return qsTr("Wall")
        case "block": return qsTr("Block")
        case "fall": return qsTr("Fall")
        case "abandoned": return qsTr("Abandoned")
        }
        return reason
    }
}

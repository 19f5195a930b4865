import QtQuick 2.6
import QtTest 1.0
import org.hoplix.hoplix 1.0
import org.hoplix.test 1.0

// The facade driven as a script front end drives it: numbers are JavaScript
// numbers, snapshots are objects, answers arrive as signals.
TestCase {
    id: testCase
    name: "Settlement"

    property var core: null

    Component {
        id: coreComponent
        ApplicationCore {}
    }

    SignalSpy {
        id: settled
        signalName: "gameSettled"
    }

    SignalSpy {
        id: acknowledged
        signalName: "skinRewardsAcknowledged"
    }

    function init() {
        TestConfiguration.fresh()
        core = coreComponent.createObject(testCase)
        verify(core !== null)
        settled.target = core
        acknowledged.target = core
        settled.clear()
        acknowledged.clear()
    }

    function cleanup() {
        settled.target = null
        acknowledged.target = null
        core.destroy()
        core = null
    }

    function run(id, score, mode, endReason) {
        return {
            "id": id,
            "modeId": mode || "endless",
            "score": score,
            "endReason": endReason || "wall",
            "startedAt": "2025-01-31T08:00:00Z",
            "endedAt": "2025-01-31T08:03:00Z",
            "deathWorldY": 812.5,
            "deathWorldX": -20,
            "jumpCount": 14,
            "maxSectionJumpCount": 3,
            "wallCollisionCount": 1,
            "blockCollisionCount": 0
        }
    }

    // Submits and waits for the answer; returns its arguments.
    function settle(snapshot) {
        var before = settled.count
        verify(core.submitGameRecord(snapshot))
        tryCompare(settled, "count", before + 1, 10000)
        var answer = settled.signalArguments[before]
        return { "gameId": answer[0], "success": answer[1], "rewards": answer[2],
                 "bestScore": answer[3] }
    }

    function codes(rewards) {
        var result = []
        for (var i = 0; i < rewards.length; ++i)
            result.push(rewards[i].code)
        return result
    }

    function test_rewardsUntilCollected() {
        var id = core.newGameId()
        compare(id.length, 38)
        var answer = settle(run(id, 60))
        compare(answer.gameId, id)
        verify(answer.success)
        compare(answer.bestScore, 60)
        compare(codes(answer.rewards), ["score_50"])
        var reward = answer.rewards[0]
        compare(reward.skinId, "confident")
        compare(reward.skinPath, "qrc:/assets/skins/confident.png")
        compare(reward.unlocked, true)
        compare(reward.notificationPending, true)

        // Not collected yet: the next run reports it again.
        answer = settle(run(core.newGameId(), 20))
        compare(answer.bestScore, 60)
        compare(codes(answer.rewards), ["score_50"])

        verify(core.acknowledgeSkinRewards("collect-1", codes(answer.rewards)))
        tryCompare(acknowledged, "count", 1, 10000)
        compare(acknowledged.signalArguments[0][0], "collect-1")
        compare(acknowledged.signalArguments[0][1], true)

        answer = settle(run(core.newGameId(), 30))
        verify(answer.success)
        compare(answer.rewards.length, 0)

        // The reward skin is unlocked and can be worn.
        var skins = core.skins()
        var confident = null
        for (var i = 0; i < skins.length; ++i) {
            if (skins[i].skinId === "confident")
                confident = skins[i]
        }
        verify(confident !== null)
        compare(confident.unlocked, true)
        verify(core.selectSkin("confident"))
    }

    function test_twoRewardsInOrder() {
        var answer = settle(run(core.newGameId(), 250))
        verify(answer.success)
        compare(codes(answer.rewards), ["score_50", "score_200"])
        compare(answer.rewards[1].skinId, "shouting")
    }

    function test_failedAcknowledgementKeepsRewards() {
        var answer = settle(run(core.newGameId(), 75))
        compare(codes(answer.rewards), ["score_50"])
        verify(core.acknowledgeSkinRewards("wrong", ["score_500"]))
        tryCompare(acknowledged, "count", 1, 10000)
        compare(acknowledged.signalArguments[0][1], false)
        answer = settle(run(core.newGameId(), 5))
        compare(codes(answer.rewards), ["score_50"])
    }

    function test_scriptNumbers_data() {
        return [
            { tag: "fraction rounds", score: 3.7, success: true, stored: 4 },
            { tag: "whole", score: 48, success: true, stored: 48 },
            { tag: "largest", score: 2147483647, success: true, stored: 2147483647 },
            { tag: "one past the range", score: 2147483648, success: false },
            { tag: "wraps to five", score: 4294967301, success: false },
            { tag: "huge", score: 1e20, success: false },
            { tag: "not a number", score: NaN, success: false },
            { tag: "infinite", score: Infinity, success: false },
            { tag: "text", score: "abc", success: false },
            { tag: "array", score: [1], success: false },
            { tag: "object", score: { "value": 1 }, success: false }
        ]
    }

    function test_scriptNumbers(data) {
        var id = core.newGameId()
        var answer = settle(run(id, data.score, "numbers"))
        compare(answer.gameId, id)
        compare(answer.success, data.success)
        var records = core.gameRecords("numbers")
        if (data.success) {
            compare(records.length, 1)
            compare(records[0].score, data.stored)
            compare(answer.bestScore, data.stored)
        } else {
            compare(answer.bestScore, -1)
            compare(answer.rewards.length, 0)
            compare(records.length, 0)
        }
    }

    function test_absentCountsReadZero() {
        var snapshot = { "id": "bare", "modeId": "bare", "endReason": "fall" }
        var answer = settle(snapshot)
        verify(answer.success)
        var records = core.gameRecords("bare")
        compare(records.length, 1)
        compare(records[0].score, 0)
        compare(records[0].jumpCount, 0)
        compare(records[0].startedAt, "")
        verify(core.latestDeathPosition("bare") === undefined)
    }

    function test_refusals() {
        var noId = run("", 1)
        delete noId.id
        verify(!core.submitGameRecord(noId))
        verify(!core.submitGameRecord(run("", 1)))

        var snapshot = run(core.newGameId(), 10)
        verify(core.submitGameRecord(snapshot))
        // Still pending: refused.
        verify(!core.submitGameRecord(snapshot))
        tryCompare(settled, "count", 1, 10000)
        // Settled: accepted again, answered as already stored.
        verify(core.submitGameRecord(snapshot))
        tryCompare(settled, "count", 2, 10000)
        compare(settled.signalArguments[1][1], true)
        compare(core.gameRecords("endless").length, 1)

        verify(!core.acknowledgeSkinRewards("request", []))
        verify(!core.acknowledgeSkinRewards("", ["score_50"]))
        wait(50)
        compare(acknowledged.count, 0)
    }

    function test_numberId() {
        var answer = settle(run(7, 10))
        compare(answer.gameId, "7")
        compare(core.gameRecords("endless")[0].componentId, "7")
    }

    function test_invalidRunAnswered() {
        var answer = settle(run("lava-run", 10, "endless", "lava"))
        compare(answer.gameId, "lava-run")
        compare(answer.success, false)
        compare(answer.bestScore, -1)
        compare(core.gameRecords().length, 0)
    }

    function test_achievementList() {
        var list = core.achievements()
        verify(list.ok)
        compare(list.items.length, 8)
        var hidden = []
        for (var i = 0; i < list.items.length; ++i) {
            if (!list.items[i].showCondition)
                hidden.push(list.items[i].code)
        }
        compare(hidden, ["practice_more", "clown_moment"])
    }

    function test_settings() {
        compare(core.appSetting("APP_SETTING", "LANGUAGE", 2), 2)
        core.setAppSetting("APP_SETTING", "LANGUAGE", 3)
        compare(core.appSetting("APP_SETTING", "LANGUAGE", 2), 3)
        verify(core.appSetting("APP_SETTING", "nothing") === undefined)
    }
}

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

    function acknowledge(codes) {
        var before = acknowledged.count
        verify(core.acknowledgeSkinRewards("collect-" + before, codes))
        tryCompare(acknowledged, "count", before + 1, 10000)
        compare(acknowledged.signalArguments[before][0], "collect-" + before)
        return acknowledged.signalArguments[before][1]
    }

    function test_rewardsUntilCollected() {
        var id = core.newGameId()
        compare(id.length, 38)
        var answer = settle(run(id, 60))
        compare(answer.gameId, id)
        verify(answer.success)
        compare(answer.bestScore, 60)
        compare(codes(answer.rewards), ["score_50"])
        compare(answer.rewards[0].skinId, "confident")
        compare(answer.rewards[0].skinPath, "qrc:/assets/skins/confident.png")

        // Not collected yet: the next run reports it again, and a batch
        // naming a locked achievement collects nothing.
        answer = settle(run(core.newGameId(), 20))
        compare(answer.bestScore, 60)
        compare(codes(answer.rewards), ["score_50"])
        compare(acknowledge(["score_50", "score_500"]), false)

        // Several rewards come in list order.
        answer = settle(run(core.newGameId(), 250))
        compare(codes(answer.rewards), ["score_50", "score_200"])
        compare(answer.rewards[1].skinId, "shouting")
        compare(acknowledge(codes(answer.rewards)), true)

        answer = settle(run(core.newGameId(), 30))
        verify(answer.success)
        compare(answer.rewards.length, 0)
        // The reward skin is unlocked and can be worn.
        verify(core.selectSkin("shouting"))
    }

    // Only a sample: the full table of numbers is a C++ test.
    function test_scriptNumbers_data() {
        return [
            { tag: "fraction rounds", score: 3.7, success: true, stored: 4 },
            { tag: "largest", score: 2147483647, success: true, stored: 2147483647 },
            { tag: "wraps to five", score: 4294967301, success: false },
            { tag: "not a number", score: NaN, success: false },
            { tag: "array", score: [1], success: false }
        ]
    }

    function test_scriptNumbers(data) {
        var id = core.newGameId()
        var answer = settle(run(id, data.score, "numbers"))
        compare(answer.gameId, id)
        compare(answer.success, data.success)
        var records = core.gameRecords("numbers")
        if (data.success) {
            compare(records[0].score, data.stored)
            compare(answer.bestScore, data.stored)
        } else {
            compare(answer.bestScore, -1)
            compare(records.length, 0)
        }
    }

    function test_refusals() {
        var noId = run("", 1)
        delete noId.id
        verify(!core.submitGameRecord(noId))
        verify(!core.submitGameRecord(run("", 1)))
        verify(!core.acknowledgeSkinRewards("request", []))
        verify(!core.acknowledgeSkinRewards("", ["score_50"]))

        // A number id is the same run as its text.
        var snapshot = run(7, 10)
        verify(core.submitGameRecord(snapshot))
        // Still pending: refused.
        verify(!core.submitGameRecord(run("7", 10)))
        tryCompare(settled, "count", 1, 10000)
        compare(settled.signalArguments[0][0], "7")
        // Settled: accepted again, answered as already stored.
        verify(core.submitGameRecord(snapshot))
        tryCompare(settled, "count", 2, 10000)
        compare(settled.signalArguments[1][1], true)
        compare(core.gameRecords("endless").length, 1)
        // The refused acknowledgements never reached the worker, which
        // answers in order.
        compare(acknowledged.count, 0)
    }
}

.pragma library

// Where a run's code comes from: the runs played since the application
// started, and the replays the backend keeps with the stored runs where this
// build has them (a StoredReplays type; without it only the former).

var played = {}

function remember(runId, code) {
    if (runId && code)
        played[runId] = code
}

function storedCode(core, runId) {
    var stored = null
    try {
        stored = Qt.createQmlObject("import org.hoplix.hoplix 1.0; StoredReplays {}", core,
                                    "StoredReplays")
    } catch (missing) {
        return ""
    }
    stored.core = core
    var code = stored.codeOf(runId) || ""
    stored.destroy()
    return code
}

function codeOf(core, runId) {
    if (played[runId])
        return played[runId]
    return core ? storedCode(core, runId) : ""
}

.pragma library

// The codes of the runs played since the application started: a run's code
// is at hand at once, before its settlement has stored the replay; the
// stored ones come from a StoredReplays.

var played = {}

function remember(runId, code) {
    if (runId && code)
        played[runId] = code
}

function codeOf(stored, runId) {
    if (played[runId])
        return played[runId]
    return stored ? stored.codeOf(runId) || "" : ""
}

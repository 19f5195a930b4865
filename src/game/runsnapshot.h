#ifndef RUNSNAPSHOT_H
#define RUNSNAPSHOT_H

#include <QLatin1String>

// The keys of a run snapshot: the map of one finished run that the game
// hands to settlement, and that the front end and scripts send as well.
// The only place they are spelled; RunSummary reads and writes them.
namespace RunSnapshot {

const QLatin1String Id("id");
const QLatin1String ModeId("modeId");
const QLatin1String Score("score");
const QLatin1String EndReason("endReason");
const QLatin1String StartedAt("startedAt");
const QLatin1String EndedAt("endedAt");
// Where the character died, in world units; absent or null for a run that
// did not end in a death.
const QLatin1String DeathWorldY("deathWorldY");
const QLatin1String DeathWorldX("deathWorldX");
const QLatin1String JumpCount("jumpCount");
// The most jumps made within one section of the tower.
const QLatin1String MaxSectionJumpCount("maxSectionJumpCount");
const QLatin1String WallCollisionCount("wallCollisionCount");
const QLatin1String BlockCollisionCount("blockCollisionCount");
// Optional: the run's replay (game/replay.h) as base64 text.
const QLatin1String Replay("replay");

} // namespace RunSnapshot

#endif // RUNSNAPSHOT_H

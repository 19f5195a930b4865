<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AchievementsPage</name>
    <message>
        <source>Achievements are not available right now.</source>
        <translation>Achievements are not available right now.</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>Unlocked</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Locked</translation>
    </message>
    <message>
        <source>Progress: ???</source>
        <translation>Progress: ???</translation>
    </message>
    <message>
        <source>Progress: %1 / %2</source>
        <translation>Progress: %1 / %2</translation>
    </message>
</context>
<context>
    <name>CoverPage</name>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Playing</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Best score: %1</translation>
    </message>
    <message>
        <source>Watching a replay</source>
        <translation>Watching a replay</translation>
    </message>
</context>
<context>
    <name>DeathMarker</name>
    <message>
        <source>Last death</source>
        <translation>Last death</translation>
    </message>
</context>
<context>
    <name>DeveloperPage</name>
    <message>
        <source>Settling the run…</source>
        <translation>Settling the run…</translation>
    </message>
    <message>
        <source>The run was refused.</source>
        <translation>The run was refused.</translation>
    </message>
    <message>
        <source>Run stored.</source>
        <translation>Run stored.</translation>
    </message>
    <message>
        <source>The run could not be stored.</source>
        <translation>The run could not be stored.</translation>
    </message>
    <message>
        <source>There is nothing to collect.</source>
        <translation>There is nothing to collect.</translation>
    </message>
    <message>
        <source>Rewards collected. Their skins are waiting on the Skins page.</source>
        <translation>Rewards collected. Their skins are waiting on the Skins page.</translation>
    </message>
    <message>
        <source>The rewards could not be collected.</source>
        <translation>The rewards could not be collected.</translation>
    </message>
    <message>
        <source>Finish a run</source>
        <translation>Finish a run</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Jumps</source>
        <translation>Jumps</translation>
    </message>
    <message>
        <source>Most jumps in a section</source>
        <translation>Most jumps in a section</translation>
    </message>
    <message>
        <source>Wall collisions</source>
        <translation>Wall collisions</translation>
    </message>
    <message>
        <source>Block collisions</source>
        <translation>Block collisions</translation>
    </message>
    <message>
        <source>Death position Y</source>
        <translation>Death position Y</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Death position X</source>
        <translation>Death position X</translation>
    </message>
    <message>
        <source>End reason</source>
        <translation>End reason</translation>
    </message>
    <message>
        <source>Finish run</source>
        <translation>Finish run</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Settled</source>
        <translation>Settled</translation>
    </message>
    <message>
        <source>Not settled</source>
        <translation>Not settled</translation>
    </message>
    <message>
        <source>Best score of the mode: %1</source>
        <translation>Best score of the mode: %1</translation>
    </message>
    <message>
        <source>New rewards!</source>
        <translation>New rewards!</translation>
    </message>
    <message>
        <source>No rewards waiting.</source>
        <translation>No rewards waiting.</translation>
    </message>
    <message>
        <source>Skin: %1</source>
        <translation>Skin: %1</translation>
    </message>
    <message>
        <source>Collect rewards</source>
        <translation>Collect rewards</translation>
    </message>
</context>
<context>
    <name>GameHud</name>
    <message>
        <source>BEST</source>
        <translation>BEST</translation>
    </message>
</context>
<context>
    <name>GameOverCard</name>
    <message>
        <source>Hit a wall</source>
        <translation>Hit a wall</translation>
    </message>
    <message>
        <source>Hit a block</source>
        <translation>Hit a block</translation>
    </message>
    <message>
        <source>Fell off the screen</source>
        <translation>Fell off the screen</translation>
    </message>
    <message>
        <source>Run over</source>
        <translation>Run over</translation>
    </message>
    <message>
        <source>New best score!</source>
        <translation>New best score!</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Best score: %1</translation>
    </message>
    <message>
        <source>Saving the run…</source>
        <translation>Saving the run…</translation>
    </message>
    <message>
        <source>New skin: %1</source>
        <translation>New skin: %1</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Play again</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Warming up</source>
        <translation>Warming up</translation>
    </message>
    <message>
        <source>High flyer</source>
        <translation>High flyer</translation>
    </message>
    <message>
        <source>Unstoppable</source>
        <translation>Unstoppable</translation>
    </message>
    <message>
        <source>Headstrong</source>
        <translation>Headstrong</translation>
    </message>
    <message>
        <source>Every point counts</source>
        <translation>Every point counts</translation>
    </message>
    <message>
        <source>Stay in place</source>
        <translation>Stay in place</translation>
    </message>
    <message>
        <source>Practice more</source>
        <translation>Practice more</translation>
    </message>
    <message>
        <source>Clown moment</source>
        <translation>Clown moment</translation>
    </message>
    <message>
        <source>Jump %1 times within one section</source>
        <translation>Jump %1 times within one section</translation>
    </message>
    <message>
        <source>Reach %1 within %2 seconds</source>
        <translation>Reach %1 within %2 seconds</translation>
    </message>
    <message>
        <source>Score %1 points in one run</source>
        <translation>Score %1 points in one run</translation>
    </message>
    <message>
        <source>Collide %1 times in one mode, all runs together</source>
        <translation>Collide %1 times in one mode, all runs together</translation>
    </message>
    <message>
        <source>Score %1 points in one mode, all runs together</source>
        <translation>Score %1 points in one mode, all runs together</translation>
    </message>
    <message>
        <source>Die %1 times in a row with at most %2 points</source>
        <translation>Die %1 times in a row with at most %2 points</translation>
    </message>
    <message>
        <source>Die with %2 points right after dying with %1 or more</source>
        <translation>Die with %2 points right after dying with %1 or more</translation>
    </message>
    <message>
        <source>A condition of its own</source>
        <translation>A condition of its own</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Wall</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Fall</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandoned</translation>
    </message>
    <message>
        <source>Achievements</source>
        <translation>Achievements</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Skins</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Developer: finish a run</source>
        <translation>Developer: finish a run</translation>
    </message>
    <message>
        <source>This is not a Hoplix run code.</source>
        <translation>This is not a Hoplix run code.</translation>
    </message>
    <message>
        <source>This run code comes from another version of Hoplix.</source>
        <translation>This run code comes from another version of Hoplix.</translation>
    </message>
    <message>
        <source>This run code is damaged or incomplete.</source>
        <translation>This run code is damaged or incomplete.</translation>
    </message>
    <message>
        <source>This run was played by other rules of the game; it cannot be shown here.</source>
        <translation>This run was played by other rules of the game; it cannot be shown here.</translation>
    </message>
    <message>
        <source>This run code cannot be used now.</source>
        <translation>This run code cannot be used now.</translation>
    </message>
</context>
<context>
    <name>PauseOverlay</name>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Tap anywhere to carry on.</source>
        <translation>Tap anywhere to carry on.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Leave run</source>
        <translation>Leave run</translation>
    </message>
</context>
<context>
    <name>PlaySettings</name>
    <message>
        <source>Sound and touch</source>
        <translation>Sound and touch</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Screen shake and flashes</source>
        <translation>Screen shake and flashes</translation>
    </message>
</context>
<context>
    <name>ReadyHint</name>
    <message>
        <source>Daily tower</source>
        <translation>Daily tower</translation>
    </message>
    <message>
        <source>Endless tower</source>
        <translation>Endless tower</translation>
    </message>
    <message>
        <source>Tap left or right to jump that way. Pass through the gaps; a hard knock from below ends the run, a gentle one bounces.</source>
        <translation>Tap left or right to jump that way. Pass through the gaps; a hard knock from below ends the run, a gentle one bounces.</translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message>
        <source>Mode (empty for all modes)</source>
        <translation>Mode (empty for all modes)</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Best score: %1</translation>
    </message>
    <message>
        <source>Latest death at y %1, x %2</source>
        <translation>Latest death at y %1, x %2</translation>
    </message>
    <message>
        <source>The latest run left no death position.</source>
        <translation>The latest run left no death position.</translation>
    </message>
    <message>
        <source>No runs yet.</source>
        <translation>No runs yet.</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Jumps %1 (at most %2 in a section), walls %3, blocks %4</source>
        <translation>Jumps %1 (at most %2 in a section), walls %3, blocks %4</translation>
    </message>
</context>
<context>
    <name>ReplayLayer</name>
    <message>
        <source>Code copied</source>
        <translation>Code copied</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Skip to end</source>
        <translation>Skip to end</translation>
    </message>
    <message>
        <source>Ghost: %1</source>
        <translation>Ghost: %1</translation>
    </message>
    <message>
        <source>Replay over</source>
        <translation>Replay over</translation>
    </message>
    <message>
        <source>Race this run</source>
        <translation>Race this run</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>Copy code</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Climb this tower again</source>
        <translation>Climb this tower again</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
</context>
<context>
    <name>RunCodeField</name>
    <message>
        <source>A run code you were sent</source>
        <translation>A run code you were sent</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Watch</translation>
    </message>
    <message>
        <source>Race its ghost</source>
        <translation>Race its ghost</translation>
    </message>
</context>
<context>
    <name>RunReplayActions</name>
    <message>
        <source>Watch</source>
        <translation>Watch</translation>
    </message>
    <message>
        <source>Climb this tower again</source>
        <translation>Climb this tower again</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>Copy code</translation>
    </message>
</context>
<context>
    <name>RunSavedNote</name>
    <message>
        <source>Not saved yet</source>
        <translation>Not saved yet</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Saved</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Takes effect at the next start.</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>Language of this interface: English</source>
        <translation>Language of this interface: English</translation>
    </message>
</context>
<context>
    <name>ShareCode</name>
    <message>
        <source>A Hoplix run</source>
        <translation>A Hoplix run</translation>
    </message>
</context>
<context>
    <name>SilicaGamePage</name>
    <message>
        <source>Leaving the run</source>
        <translation>Leaving the run</translation>
    </message>
</context>
<context>
    <name>SkinsPage</name>
    <message>
        <source>Locked: an achievement unlocks it.</source>
        <translation>Locked: an achievement unlocks it.</translation>
    </message>
    <message>
        <source>Now wearing %1.</source>
        <translation>Now wearing %1.</translation>
    </message>
    <message>
        <source>Could not select %1.</source>
        <translation>Could not select %1.</translation>
    </message>
    <message>
        <source>Tap an unlocked skin to wear it.</source>
        <translation>Tap an unlocked skin to wear it.</translation>
    </message>
    <message>
        <source>Worn</source>
        <translation>Worn</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>Unlocked</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Locked</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>Jump through the gaps. Climb as high as you can.</source>
        <translation>Jump through the gaps. Climb as high as you can.</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Endless</translation>
    </message>
    <message>
        <source>Daily tower</source>
        <translation>Daily tower</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Best score: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
</context>
</TS>

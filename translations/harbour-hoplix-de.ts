<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AchievementsPage</name>
    <message>
        <source>Achievements are not available right now.</source>
        <translation>Erfolge sind gerade nicht verfügbar.</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>Freigeschaltet</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Progress: ???</source>
        <translation>Fortschritt: ???</translation>
    </message>
    <message>
        <source>Progress: %1 / %2</source>
        <translation>Fortschritt: %1 / %2</translation>
    </message>
</context>
<context>
    <name>CoverPage</name>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Im Spiel</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Bestwert: %1</translation>
    </message>
    <message>
        <source>Watching a replay</source>
        <translation>Wiederholung läuft</translation>
    </message>
</context>
<context>
    <name>DeathMarker</name>
    <message>
        <source>Last death</source>
        <translation>Letzter Tod</translation>
    </message>
</context>
<context>
    <name>DeveloperPage</name>
    <message>
        <source>Settling the run…</source>
        <translation>Lauf wird abgerechnet …</translation>
    </message>
    <message>
        <source>The run was refused.</source>
        <translation>Der Lauf wurde abgelehnt.</translation>
    </message>
    <message>
        <source>Run stored.</source>
        <translation>Lauf gespeichert.</translation>
    </message>
    <message>
        <source>The run could not be stored.</source>
        <translation>Der Lauf konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>There is nothing to collect.</source>
        <translation>Es gibt nichts abzuholen.</translation>
    </message>
    <message>
        <source>Rewards collected. Their skins are waiting on the Skins page.</source>
        <translation>Belohnungen abgeholt. Ihre Skins warten auf der Seite Skins.</translation>
    </message>
    <message>
        <source>The rewards could not be collected.</source>
        <translation>Die Belohnungen konnten nicht abgeholt werden.</translation>
    </message>
    <message>
        <source>Finish a run</source>
        <translation>Lauf beenden</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Jumps</source>
        <translation>Sprünge</translation>
    </message>
    <message>
        <source>Most jumps in a section</source>
        <translation>Max. Sprünge je Abschnitt</translation>
    </message>
    <message>
        <source>Wall collisions</source>
        <translation>Wandkollisionen</translation>
    </message>
    <message>
        <source>Block collisions</source>
        <translation>Blockkollisionen</translation>
    </message>
    <message>
        <source>Death position Y</source>
        <translation>Todesposition Y</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Death position X</source>
        <translation>Todesposition X</translation>
    </message>
    <message>
        <source>End reason</source>
        <translation>Grund für das Ende</translation>
    </message>
    <message>
        <source>Finish run</source>
        <translation>Lauf beenden</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Settled</source>
        <translation>Abgerechnet</translation>
    </message>
    <message>
        <source>Not settled</source>
        <translation>Nicht abgerechnet</translation>
    </message>
    <message>
        <source>Best score of the mode: %1</source>
        <translation>Bestwert des Modus: %1</translation>
    </message>
    <message>
        <source>New rewards!</source>
        <translation>Neue Belohnungen!</translation>
    </message>
    <message>
        <source>No rewards waiting.</source>
        <translation>Keine Belohnungen offen.</translation>
    </message>
    <message>
        <source>Skin: %1</source>
        <translation>Skin: %1</translation>
    </message>
    <message>
        <source>Collect rewards</source>
        <translation>Belohnungen abholen</translation>
    </message>
</context>
<context>
    <name>GameHud</name>
    <message>
        <source>BEST</source>
        <translation>BESTWERT</translation>
    </message>
</context>
<context>
    <name>GameOverCard</name>
    <message>
        <source>Hit a wall</source>
        <translation>Gegen eine Wand</translation>
    </message>
    <message>
        <source>Hit a block</source>
        <translation>Gegen einen Block</translation>
    </message>
    <message>
        <source>Fell off the screen</source>
        <translation>Aus dem Bild gefallen</translation>
    </message>
    <message>
        <source>Run over</source>
        <translation>Lauf vorbei</translation>
    </message>
    <message>
        <source>New best score!</source>
        <translation>Neuer Bestwert!</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Bestwert: %1</translation>
    </message>
    <message>
        <source>Saving the run…</source>
        <translation>Lauf wird gespeichert …</translation>
    </message>
    <message>
        <source>New skin: %1</source>
        <translation>Neuer Skin: %1</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Nochmal spielen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Warming up</source>
        <translation>Aufgewärmt</translation>
    </message>
    <message>
        <source>High flyer</source>
        <translation>Überflieger</translation>
    </message>
    <message>
        <source>Unstoppable</source>
        <translation>Unaufhaltsam</translation>
    </message>
    <message>
        <source>Headstrong</source>
        <translation>Dickkopf</translation>
    </message>
    <message>
        <source>Every point counts</source>
        <translation>Jeder Punkt zählt</translation>
    </message>
    <message>
        <source>Stay in place</source>
        <translation>Auf der Stelle</translation>
    </message>
    <message>
        <source>Practice more</source>
        <translation>Übung macht den Meister</translation>
    </message>
    <message>
        <source>Clown moment</source>
        <translation>Clownsmoment</translation>
    </message>
    <message>
        <source>Jump %1 times within one section</source>
        <translation>%1-mal in einem Abschnitt springen</translation>
    </message>
    <message>
        <source>Reach %1 within %2 seconds</source>
        <translation>%1 innerhalb von %2 Sekunden erreichen</translation>
    </message>
    <message>
        <source>Score %1 points in one run</source>
        <translation>%1 Punkte in einem Lauf</translation>
    </message>
    <message>
        <source>Collide %1 times in one mode, all runs together</source>
        <translation>%1 Kollisionen in einem Modus, alle Läufe zusammen</translation>
    </message>
    <message>
        <source>Score %1 points in one mode, all runs together</source>
        <translation>%1 Punkte in einem Modus, alle Läufe zusammen</translation>
    </message>
    <message>
        <source>Die %1 times in a row with at most %2 points</source>
        <translation>%1-mal hintereinander mit höchstens %2 Punkten sterben</translation>
    </message>
    <message>
        <source>Die with %2 points right after dying with %1 or more</source>
        <translation>Mit %2 Punkten sterben, direkt nach einem Tod mit %1 oder mehr</translation>
    </message>
    <message>
        <source>A condition of its own</source>
        <translation>Eine ganz eigene Bedingung</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Wand</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Sturz</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Achievements</source>
        <translation>Erfolge</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Skins</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Developer: finish a run</source>
        <translation>Entwickler: Lauf beenden</translation>
    </message>
    <message>
        <source>This is not a Hoplix run code.</source>
        <translation>Das ist kein Hoplix-Laufcode.</translation>
    </message>
    <message>
        <source>This run code comes from another version of Hoplix.</source>
        <translation>Dieser Laufcode stammt aus einer anderen Version von Hoplix.</translation>
    </message>
    <message>
        <source>This run code is damaged or incomplete.</source>
        <translation>Dieser Laufcode ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>This run was played by other rules of the game; it cannot be shown here.</source>
        <translation>Dieser Lauf wurde nach anderen Spielregeln gespielt und kann hier nicht gezeigt werden.</translation>
    </message>
    <message>
        <source>This run code cannot be used now.</source>
        <translation>Dieser Laufcode kann gerade nicht verwendet werden.</translation>
    </message>
</context>
<context>
    <name>PauseOverlay</name>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Tap anywhere to carry on.</source>
        <translation>Tippe irgendwo, um weiterzuspielen.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Leave run</source>
        <translation>Lauf verlassen</translation>
    </message>
</context>
<context>
    <name>PlaySettings</name>
    <message>
        <source>Sound and touch</source>
        <translation>Ton und Vibration</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Screen shake and flashes</source>
        <translation>Wackeln und Blitze</translation>
    </message>
</context>
<context>
    <name>ReadyHint</name>
    <message>
        <source>Daily tower</source>
        <translation>Turm des Tages</translation>
    </message>
    <message>
        <source>Endless tower</source>
        <translation>Endloser Turm</translation>
    </message>
    <message>
        <source>Tap left or right to jump that way. Pass through the gaps; a hard knock from below ends the run, a gentle one bounces.</source>
        <translation>Tippe links oder rechts, um in diese Richtung zu springen. Spring durch die Lücken; ein harter Stoß von unten beendet den Lauf, ein sanfter prallt ab.</translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message>
        <source>Mode (empty for all modes)</source>
        <translation>Modus (leer für alle Modi)</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Bestwert: %1</translation>
    </message>
    <message>
        <source>Latest death at y %1, x %2</source>
        <translation>Letzter Tod bei y %1, x %2</translation>
    </message>
    <message>
        <source>The latest run left no death position.</source>
        <translation>Der letzte Lauf hat keine Todesposition.</translation>
    </message>
    <message>
        <source>No runs yet.</source>
        <translation>Noch keine Läufe.</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>Jumps %1 (at most %2 in a section), walls %3, blocks %4</source>
        <translation>Sprünge %1 (höchstens %2 in einem Abschnitt), Wände %3, Blöcke %4</translation>
    </message>
</context>
<context>
    <name>ReplayLayer</name>
    <message>
        <source>Code copied</source>
        <translation>Code kopiert</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Skip to end</source>
        <translation>Zum Ende springen</translation>
    </message>
    <message>
        <source>Ghost: %1</source>
        <translation>Geist: %1</translation>
    </message>
    <message>
        <source>Replay over</source>
        <translation>Wiederholung zu Ende</translation>
    </message>
    <message>
        <source>Race this run</source>
        <translation>Gegen diesen Lauf antreten</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>Code kopieren</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Climb this tower again</source>
        <translation>Diesen Turm noch einmal erklimmen</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
</context>
<context>
    <name>RunCodeField</name>
    <message>
        <source>A run code you were sent</source>
        <translation>Ein Laufcode, den du bekommen hast</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Race its ghost</source>
        <translation>Gegen seinen Geist antreten</translation>
    </message>
</context>
<context>
    <name>RunReplayActions</name>
    <message>
        <source>Watch</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Climb this tower again</source>
        <translation>Diesen Turm noch einmal erklimmen</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>Code kopieren</translation>
    </message>
</context>
<context>
    <name>RunSavedNote</name>
    <message>
        <source>Not saved yet</source>
        <translation>Noch nicht gespeichert</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Wirkt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Language of this interface: English</source>
        <translation>Sprache dieser Oberfläche: Deutsch</translation>
    </message>
</context>
<context>
    <name>ShareCode</name>
    <message>
        <source>A Hoplix run</source>
        <translation>Ein Hoplix-Lauf</translation>
    </message>
</context>
<context>
    <name>SilicaGamePage</name>
    <message>
        <source>Leaving the run</source>
        <translation>Lauf wird verlassen</translation>
    </message>
</context>
<context>
    <name>SkinsPage</name>
    <message>
        <source>Locked: an achievement unlocks it.</source>
        <translation>Gesperrt: ein Erfolg schaltet es frei.</translation>
    </message>
    <message>
        <source>Now wearing %1.</source>
        <translation>Jetzt trägst du %1.</translation>
    </message>
    <message>
        <source>Could not select %1.</source>
        <translation>%1 konnte nicht gewählt werden.</translation>
    </message>
    <message>
        <source>Tap an unlocked skin to wear it.</source>
        <translation>Tippe auf einen freigeschalteten Skin, um ihn zu tragen.</translation>
    </message>
    <message>
        <source>Worn</source>
        <translation>Getragen</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>Freigeschaltet</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>Jump through the gaps. Climb as high as you can.</source>
        <translation>Spring durch die Lücken. Kletter so hoch du kannst.</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Endlos</translation>
    </message>
    <message>
        <source>Daily tower</source>
        <translation>Turm des Tages</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Bestwert: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
</context>
</TS>

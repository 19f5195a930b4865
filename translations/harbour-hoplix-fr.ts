<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AchievementsPage</name>
    <message>
        <source>Achievements are not available right now.</source>
        <translation>Succès indisponibles pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>Débloqué</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Progress: ???</source>
        <translation>Progrès : ???</translation>
    </message>
    <message>
        <source>Progress: %1 / %2</source>
        <translation>Progrès : %1 / %2</translation>
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
        <translation>En jeu</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Record : %1</translation>
    </message>
    <message>
        <source>Watching a replay</source>
        <translation>Rediffusion en cours</translation>
    </message>
</context>
<context>
    <name>DeathMarker</name>
    <message>
        <source>Last death</source>
        <translation>Dernière mort</translation>
    </message>
</context>
<context>
    <name>DeveloperPage</name>
    <message>
        <source>Settling the run…</source>
        <translation>Décompte en cours…</translation>
    </message>
    <message>
        <source>The run was refused.</source>
        <translation>Partie refusée.</translation>
    </message>
    <message>
        <source>Run stored.</source>
        <translation>Partie enregistrée.</translation>
    </message>
    <message>
        <source>The run could not be stored.</source>
        <translation>Échec de l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>There is nothing to collect.</source>
        <translation>Rien à récupérer.</translation>
    </message>
    <message>
        <source>Rewards collected. Their skins are waiting on the Skins page.</source>
        <translation>Récompenses reçues. Les skins sont dans Skins.</translation>
    </message>
    <message>
        <source>The rewards could not be collected.</source>
        <translation>Échec de la récupération.</translation>
    </message>
    <message>
        <source>Finish a run</source>
        <translation>Finir une partie</translation>
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
        <translation>Sauts</translation>
    </message>
    <message>
        <source>Most jumps in a section</source>
        <translation>Max. de sauts par section</translation>
    </message>
    <message>
        <source>Wall collisions</source>
        <translation>Chocs de mur</translation>
    </message>
    <message>
        <source>Block collisions</source>
        <translation>Chocs de bloc</translation>
    </message>
    <message>
        <source>Death position Y</source>
        <translation>Position de mort Y</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Death position X</source>
        <translation>Position de mort X</translation>
    </message>
    <message>
        <source>End reason</source>
        <translation>Cause de fin</translation>
    </message>
    <message>
        <source>Finish run</source>
        <translation>Finir la partie</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Settled</source>
        <translation>Décomptée</translation>
    </message>
    <message>
        <source>Not settled</source>
        <translation>Non décomptée</translation>
    </message>
    <message>
        <source>Best score of the mode: %1</source>
        <translation>Record du mode : %1</translation>
    </message>
    <message>
        <source>New rewards!</source>
        <translation>Nouvelles récompenses !</translation>
    </message>
    <message>
        <source>No rewards waiting.</source>
        <translation>Aucune récompense en attente.</translation>
    </message>
    <message>
        <source>Skin: %1</source>
        <translation>Skin : %1</translation>
    </message>
    <message>
        <source>Collect rewards</source>
        <translation>Récupérer</translation>
    </message>
</context>
<context>
    <name>GameHud</name>
    <message>
        <source>BEST</source>
        <translation>RECORD</translation>
    </message>
</context>
<context>
    <name>GameOverCard</name>
    <message>
        <source>Hit a wall</source>
        <translation>Contre un mur</translation>
    </message>
    <message>
        <source>Hit a block</source>
        <translation>Contre un bloc</translation>
    </message>
    <message>
        <source>Fell off the screen</source>
        <translation>Tombé de l&apos;écran</translation>
    </message>
    <message>
        <source>Run over</source>
        <translation>Partie finie</translation>
    </message>
    <message>
        <source>New best score!</source>
        <translation>Nouveau record !</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Record : %1</translation>
    </message>
    <message>
        <source>Saving the run…</source>
        <translation>Enregistrement…</translation>
    </message>
    <message>
        <source>New skin: %1</source>
        <translation>Nouveau skin : %1</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Rejouer</translation>
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
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Achievements</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Skins</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Developer: finish a run</source>
        <translation>Dév. : finir une partie</translation>
    </message>
    <message>
        <source>Warming up</source>
        <translation>Échauffement</translation>
    </message>
    <message>
        <source>High flyer</source>
        <translation>Haut vol</translation>
    </message>
    <message>
        <source>Unstoppable</source>
        <translation>Inarrêtable</translation>
    </message>
    <message>
        <source>Headstrong</source>
        <translation>Tête dure</translation>
    </message>
    <message>
        <source>Every point counts</source>
        <translation>Chaque point compte</translation>
    </message>
    <message>
        <source>Stay in place</source>
        <translation>Sur place</translation>
    </message>
    <message>
        <source>Practice more</source>
        <translation>Entraîne-toi</translation>
    </message>
    <message>
        <source>Clown moment</source>
        <translation>Moment clown</translation>
    </message>
    <message>
        <source>Jump %1 times within one section</source>
        <translation>Sauter %1 fois dans une section</translation>
    </message>
    <message>
        <source>Reach %1 within %2 seconds</source>
        <translation>Atteindre %1 en %2 s</translation>
    </message>
    <message>
        <source>Score %1 points in one run</source>
        <translation>%1 points en une partie</translation>
    </message>
    <message>
        <source>Collide %1 times in one mode, all runs together</source>
        <translation>%1 chocs dans un mode, au total</translation>
    </message>
    <message>
        <source>Score %1 points in one mode, all runs together</source>
        <translation>%1 points dans un mode, au total</translation>
    </message>
    <message>
        <source>Die %1 times in a row with at most %2 points</source>
        <translation>Mourir %1 fois de suite avec %2 points max.</translation>
    </message>
    <message>
        <source>Die with %2 points right after dying with %1 or more</source>
        <translation>Mourir à %2 points juste après une mort à %1 ou plus</translation>
    </message>
    <message>
        <source>A condition of its own</source>
        <translation>Condition spéciale</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mur</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Chute</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandon</translation>
    </message>
    <message>
        <source>This is not a Hoplix run code.</source>
        <translation>Ce n’est pas un code de partie Hoplix.</translation>
    </message>
    <message>
        <source>This run code comes from another version of Hoplix.</source>
        <translation>Ce code de partie vient d’une autre version de Hoplix.</translation>
    </message>
    <message>
        <source>This run code is damaged or incomplete.</source>
        <translation>Ce code de partie est abîmé ou incomplet.</translation>
    </message>
    <message>
        <source>This run was played by other rules of the game; it cannot be shown here.</source>
        <translation>Cette partie a été jouée selon d’autres règles du jeu ; elle ne peut pas être montrée ici.</translation>
    </message>
    <message>
        <source>This run code cannot be used now.</source>
        <translation>Ce code de partie ne peut pas être utilisé maintenant.</translation>
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
        <translation>Touchez pour continuer.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Leave run</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>PlaySettings</name>
    <message>
        <source>Sound and touch</source>
        <translation>Son et vibration</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
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
        <translation>Secousses et flashs</translation>
    </message>
</context>
<context>
    <name>ReadyHint</name>
    <message>
        <source>Daily tower</source>
        <translation>Tour du jour</translation>
    </message>
    <message>
        <source>Endless tower</source>
        <translation>Tour sans fin</translation>
    </message>
    <message>
        <source>Tap left or right to jump that way. Pass through the gaps; a hard knock from below ends the run, a gentle one bounces.</source>
        <translation>Touchez à gauche ou à droite pour sauter de ce côté. Passez par les trous ; un choc fort par-dessous finit la partie, un léger fait rebondir.</translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message>
        <source>Mode (empty for all modes)</source>
        <translation>Mode (vide : tous)</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Record : %1</translation>
    </message>
    <message>
        <source>Latest death at y %1, x %2</source>
        <translation>Dernière mort : y %1, x %2</translation>
    </message>
    <message>
        <source>The latest run left no death position.</source>
        <translation>Aucune position de mort.</translation>
    </message>
    <message>
        <source>No runs yet.</source>
        <translation>Aucune partie.</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Jumps %1 (at most %2 in a section), walls %3, blocks %4</source>
        <translation>Sauts %1 (max. %2 par section), murs %3, blocs %4</translation>
    </message>
</context>
<context>
    <name>ReplayLayer</name>
    <message>
        <source>Code copied</source>
        <translation>Code copié</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rediffusion</translation>
    </message>
    <message>
        <source>Skip to end</source>
        <translation>Aller à la fin</translation>
    </message>
    <message>
        <source>Ghost: %1</source>
        <translation>Fantôme : %1</translation>
    </message>
    <message>
        <source>Replay over</source>
        <translation>Rediffusion terminée</translation>
    </message>
    <message>
        <source>Race this run</source>
        <translation>Défier cette partie</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>Copier le code</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Climb this tower again</source>
        <translation>Regrimper cette tour</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
</context>
<context>
    <name>RunCodeField</name>
    <message>
        <source>A run code you were sent</source>
        <translation>Un code de partie reçu</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Regarder</translation>
    </message>
    <message>
        <source>Race its ghost</source>
        <translation>Défier son fantôme</translation>
    </message>
</context>
<context>
    <name>RunReplayActions</name>
    <message>
        <source>Watch</source>
        <translation>Regarder</translation>
    </message>
    <message>
        <source>Climb this tower again</source>
        <translation>Regrimper cette tour</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>Copier le code</translation>
    </message>
</context>
<context>
    <name>RunSavedNote</name>
    <message>
        <source>Not saved yet</source>
        <translation>Pas encore enregistrée</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistrée</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Language of this interface: English</source>
        <translation>Langue de l&apos;interface : français</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Appliqué au prochain démarrage.</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>ShareCode</name>
    <message>
        <source>A Hoplix run</source>
        <translation>Une partie de Hoplix</translation>
    </message>
</context>
<context>
    <name>SilicaGamePage</name>
    <message>
        <source>Leaving the run</source>
        <translation>Sortie…</translation>
    </message>
</context>
<context>
    <name>SkinsPage</name>
    <message>
        <source>Locked: an achievement unlocks it.</source>
        <translation>Verrouillé : un succès le débloque.</translation>
    </message>
    <message>
        <source>Now wearing %1.</source>
        <translation>Skin porté : %1.</translation>
    </message>
    <message>
        <source>Could not select %1.</source>
        <translation>Impossible de choisir %1.</translation>
    </message>
    <message>
        <source>Tap an unlocked skin to wear it.</source>
        <translation>Touchez un skin débloqué pour le porter.</translation>
    </message>
    <message>
        <source>Worn</source>
        <translation>Porté</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>Débloqué</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillé</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>Jump through the gaps. Climb as high as you can.</source>
        <translation>Sautez par les trous. Grimpez au plus haut.</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Sans fin</translation>
    </message>
    <message>
        <source>Daily tower</source>
        <translation>Tour du jour</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Record : %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
</context>
</TS>

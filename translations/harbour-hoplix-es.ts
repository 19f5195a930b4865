<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AchievementsPage</name>
    <message>
        <source>Achievements are not available right now.</source>
        <translation>Logros no disponibles ahora.</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>Desbloqueado</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Progress: ???</source>
        <translation>Progreso: ???</translation>
    </message>
    <message>
        <source>Progress: %1 / %2</source>
        <translation>Progreso: %1 / %2</translation>
    </message>
</context>
<context>
    <name>CoverPage</name>
    <message>
        <source>Paused</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Jugando</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Récord: %1</translation>
    </message>
    <message>
        <source>Watching a replay</source>
        <translation>Viendo una repetición</translation>
    </message>
</context>
<context>
    <name>DeathMarker</name>
    <message>
        <source>Last death</source>
        <translation>Última muerte</translation>
    </message>
</context>
<context>
    <name>DeveloperPage</name>
    <message>
        <source>Settling the run…</source>
        <translation>Liquidando…</translation>
    </message>
    <message>
        <source>The run was refused.</source>
        <translation>Partida rechazada.</translation>
    </message>
    <message>
        <source>Run stored.</source>
        <translation>Partida guardada.</translation>
    </message>
    <message>
        <source>The run could not be stored.</source>
        <translation>No se pudo guardar.</translation>
    </message>
    <message>
        <source>There is nothing to collect.</source>
        <translation>Nada que recoger.</translation>
    </message>
    <message>
        <source>Rewards collected. Their skins are waiting on the Skins page.</source>
        <translation>Premios recogidos. Las skins están en Skins.</translation>
    </message>
    <message>
        <source>The rewards could not be collected.</source>
        <translation>No se pudieron recoger.</translation>
    </message>
    <message>
        <source>Finish a run</source>
        <translation>Terminar partida</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Jumps</source>
        <translation>Saltos</translation>
    </message>
    <message>
        <source>Most jumps in a section</source>
        <translation>Máx. saltos por tramo</translation>
    </message>
    <message>
        <source>Wall collisions</source>
        <translation>Choques con muro</translation>
    </message>
    <message>
        <source>Block collisions</source>
        <translation>Choques con bloque</translation>
    </message>
    <message>
        <source>Death position Y</source>
        <translation>Muerte en Y</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Death position X</source>
        <translation>Muerte en X</translation>
    </message>
    <message>
        <source>End reason</source>
        <translation>Causa del final</translation>
    </message>
    <message>
        <source>Finish run</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Settled</source>
        <translation>Liquidada</translation>
    </message>
    <message>
        <source>Not settled</source>
        <translation>Sin liquidar</translation>
    </message>
    <message>
        <source>Best score of the mode: %1</source>
        <translation>Récord del modo: %1</translation>
    </message>
    <message>
        <source>New rewards!</source>
        <translation>¡Nuevos premios!</translation>
    </message>
    <message>
        <source>No rewards waiting.</source>
        <translation>Sin premios pendientes.</translation>
    </message>
    <message>
        <source>Skin: %1</source>
        <translation>Skin: %1</translation>
    </message>
    <message>
        <source>Collect rewards</source>
        <translation>Recoger premios</translation>
    </message>
</context>
<context>
    <name>GameHud</name>
    <message>
        <source>BEST</source>
        <translation>RÉCORD</translation>
    </message>
</context>
<context>
    <name>GameOverCard</name>
    <message>
        <source>Hit a wall</source>
        <translation>Contra un muro</translation>
    </message>
    <message>
        <source>Hit a block</source>
        <translation>Contra un bloque</translation>
    </message>
    <message>
        <source>Fell off the screen</source>
        <translation>Te caíste</translation>
    </message>
    <message>
        <source>Run over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>New best score!</source>
        <translation>¡Nuevo récord!</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Récord: %1</translation>
    </message>
    <message>
        <source>Saving the run…</source>
        <translation>Guardando…</translation>
    </message>
    <message>
        <source>New skin: %1</source>
        <translation>Skin nueva: %1</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Achievements</source>
        <translation>Logros</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Skins</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Developer: finish a run</source>
        <translation>Dev.: terminar partida</translation>
    </message>
    <message>
        <source>Warming up</source>
        <translation>Calentando</translation>
    </message>
    <message>
        <source>High flyer</source>
        <translation>Vuelo alto</translation>
    </message>
    <message>
        <source>Unstoppable</source>
        <translation>Imparable</translation>
    </message>
    <message>
        <source>Headstrong</source>
        <translation>Cabezota</translation>
    </message>
    <message>
        <source>Every point counts</source>
        <translation>Cada punto cuenta</translation>
    </message>
    <message>
        <source>Stay in place</source>
        <translation>Sin moverse</translation>
    </message>
    <message>
        <source>Practice more</source>
        <translation>Practica más</translation>
    </message>
    <message>
        <source>Clown moment</source>
        <translation>Momento payaso</translation>
    </message>
    <message>
        <source>Jump %1 times within one section</source>
        <translation>Salta %1 veces en un tramo</translation>
    </message>
    <message>
        <source>Reach %1 within %2 seconds</source>
        <translation>Llega a %1 en %2 s</translation>
    </message>
    <message>
        <source>Score %1 points in one run</source>
        <translation>%1 puntos en una partida</translation>
    </message>
    <message>
        <source>Collide %1 times in one mode, all runs together</source>
        <translation>%1 choques en un modo, en total</translation>
    </message>
    <message>
        <source>Score %1 points in one mode, all runs together</source>
        <translation>%1 puntos en un modo, en total</translation>
    </message>
    <message>
        <source>Die %1 times in a row with at most %2 points</source>
        <translation>Muere %1 veces seguidas con %2 puntos o menos</translation>
    </message>
    <message>
        <source>Die with %2 points right after dying with %1 or more</source>
        <translation>Muere con %2 puntos justo tras morir con %1 o más</translation>
    </message>
    <message>
        <source>A condition of its own</source>
        <translation>Condición especial</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muro</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloque</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Caída</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandono</translation>
    </message>
    <message>
        <source>This is not a Hoplix run code.</source>
        <translation>Esto no es un código de partida de Hoplix.</translation>
    </message>
    <message>
        <source>This run code comes from another version of Hoplix.</source>
        <translation>Este código de partida es de otra versión de Hoplix.</translation>
    </message>
    <message>
        <source>This run code is damaged or incomplete.</source>
        <translation>Este código de partida está dañado o incompleto.</translation>
    </message>
    <message>
        <source>This run was played by other rules of the game; it cannot be shown here.</source>
        <translation>Esta partida se jugó con otras reglas del juego; no se puede mostrar aquí.</translation>
    </message>
    <message>
        <source>This run code cannot be used now.</source>
        <translation>Este código de partida no se puede usar ahora.</translation>
    </message>
</context>
<context>
    <name>PauseOverlay</name>
    <message>
        <source>Paused</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Tap anywhere to carry on.</source>
        <translation>Toca para seguir.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Leave run</source>
        <translation>Abandonar</translation>
    </message>
</context>
<context>
    <name>PlaySettings</name>
    <message>
        <source>Sound and touch</source>
        <translation>Sonido y vibración</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibración</translation>
    </message>
    <message>
        <source>Screen shake and flashes</source>
        <translation>Temblor y destellos</translation>
    </message>
</context>
<context>
    <name>ReadyHint</name>
    <message>
        <source>Daily tower</source>
        <translation>Torre del día</translation>
    </message>
    <message>
        <source>Endless tower</source>
        <translation>Torre sin fin</translation>
    </message>
    <message>
        <source>Tap left or right to jump that way. Pass through the gaps; a hard knock from below ends the run, a gentle one bounces.</source>
        <translation>Toca a la izquierda o derecha para saltar hacia ese lado. Pasa por los huecos; un golpe fuerte desde abajo acaba la partida, uno suave rebota.</translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message>
        <source>Mode (empty for all modes)</source>
        <translation>Modo (vacío: todos)</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Récord: %1</translation>
    </message>
    <message>
        <source>Latest death at y %1, x %2</source>
        <translation>Última muerte: y %1, x %2</translation>
    </message>
    <message>
        <source>The latest run left no death position.</source>
        <translation>Sin posición de muerte.</translation>
    </message>
    <message>
        <source>No runs yet.</source>
        <translation>Aún no hay partidas.</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>Jumps %1 (at most %2 in a section), walls %3, blocks %4</source>
        <translation>Saltos %1 (máx. %2 por tramo), muros %3, bloques %4</translation>
    </message>
</context>
<context>
    <name>ReplayLayer</name>
    <message>
        <source>Code copied</source>
        <translation>Código copiado</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Skip to end</source>
        <translation>Saltar al final</translation>
    </message>
    <message>
        <source>Ghost: %1</source>
        <translation>Fantasma: %1</translation>
    </message>
    <message>
        <source>Replay over</source>
        <translation>Fin de la repetición</translation>
    </message>
    <message>
        <source>Race this run</source>
        <translation>Competir contra esta partida</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>Copiar código</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Climb this tower again</source>
        <translation>Escalar esta torre otra vez</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
</context>
<context>
    <name>RunCodeField</name>
    <message>
        <source>A run code you were sent</source>
        <translation>Un código de partida que te enviaron</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Race its ghost</source>
        <translation>Competir contra su fantasma</translation>
    </message>
</context>
<context>
    <name>RunReplayActions</name>
    <message>
        <source>Watch</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Climb this tower again</source>
        <translation>Escalar esta torre otra vez</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>Copiar código</translation>
    </message>
</context>
<context>
    <name>RunSavedNote</name>
    <message>
        <source>Not saved yet</source>
        <translation>Aún no guardada</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardada</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Language of this interface: English</source>
        <translation>Idioma de la interfaz: español</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Se aplica al reiniciar.</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>ShareCode</name>
    <message>
        <source>A Hoplix run</source>
        <translation>Una partida de Hoplix</translation>
    </message>
</context>
<context>
    <name>SilicaGamePage</name>
    <message>
        <source>Leaving the run</source>
        <translation>Saliendo…</translation>
    </message>
</context>
<context>
    <name>SkinsPage</name>
    <message>
        <source>Locked: an achievement unlocks it.</source>
        <translation>Bloqueada: un logro la desbloquea.</translation>
    </message>
    <message>
        <source>Now wearing %1.</source>
        <translation>Llevas %1.</translation>
    </message>
    <message>
        <source>Could not select %1.</source>
        <translation>No se pudo elegir %1.</translation>
    </message>
    <message>
        <source>Tap an unlocked skin to wear it.</source>
        <translation>Toca una skin desbloqueada para usarla.</translation>
    </message>
    <message>
        <source>Worn</source>
        <translation>En uso</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>Desbloqueado</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>Jump through the gaps. Climb as high as you can.</source>
        <translation>Salta por los huecos. ¡Sube alto!</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Sin fin</translation>
    </message>
    <message>
        <source>Daily tower</source>
        <translation>Torre del día</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Récord: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
</context>
</TS>

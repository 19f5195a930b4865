<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AchievementsPage</name>
    <message>
        <source>Achievements are not available right now.</source>
        <translation>Достижения сейчас недоступны.</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>Открыто</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Закрыто</translation>
    </message>
    <message>
        <source>Progress: ???</source>
        <translation>Прогресс: ???</translation>
    </message>
    <message>
        <source>Progress: %1 / %2</source>
        <translation>Прогресс: %1 / %2</translation>
    </message>
</context>
<context>
    <name>CoverPage</name>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Рекорд: %1</translation>
    </message>
    <message>
        <source>Watching a replay</source>
        <translation>Идёт повтор</translation>
    </message>
</context>
<context>
    <name>DeathMarker</name>
    <message>
        <source>Last death</source>
        <translation>Прошлая гибель</translation>
    </message>
</context>
<context>
    <name>DeveloperPage</name>
    <message>
        <source>Settling the run…</source>
        <translation>Подсчёт…</translation>
    </message>
    <message>
        <source>The run was refused.</source>
        <translation>Забег отклонён.</translation>
    </message>
    <message>
        <source>Run stored.</source>
        <translation>Забег сохранён.</translation>
    </message>
    <message>
        <source>The run could not be stored.</source>
        <translation>Не удалось сохранить.</translation>
    </message>
    <message>
        <source>There is nothing to collect.</source>
        <translation>Забирать нечего.</translation>
    </message>
    <message>
        <source>Rewards collected. Their skins are waiting on the Skins page.</source>
        <translation>Награды получены. Скины — на странице «Скины».</translation>
    </message>
    <message>
        <source>The rewards could not be collected.</source>
        <translation>Не удалось забрать награды.</translation>
    </message>
    <message>
        <source>Finish a run</source>
        <translation>Завершить забег</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Jumps</source>
        <translation>Прыжки</translation>
    </message>
    <message>
        <source>Most jumps in a section</source>
        <translation>Макс. прыжков в секции</translation>
    </message>
    <message>
        <source>Wall collisions</source>
        <translation>Удары о стену</translation>
    </message>
    <message>
        <source>Block collisions</source>
        <translation>Удары о блок</translation>
    </message>
    <message>
        <source>Death position Y</source>
        <translation>Гибель, Y</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Death position X</source>
        <translation>Гибель, X</translation>
    </message>
    <message>
        <source>End reason</source>
        <translation>Причина конца</translation>
    </message>
    <message>
        <source>Finish run</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Settled</source>
        <translation>Подсчитано</translation>
    </message>
    <message>
        <source>Not settled</source>
        <translation>Не подсчитано</translation>
    </message>
    <message>
        <source>Best score of the mode: %1</source>
        <translation>Рекорд режима: %1</translation>
    </message>
    <message>
        <source>New rewards!</source>
        <translation>Новые награды!</translation>
    </message>
    <message>
        <source>No rewards waiting.</source>
        <translation>Наград нет.</translation>
    </message>
    <message>
        <source>Skin: %1</source>
        <translation>Скин: %1</translation>
    </message>
    <message>
        <source>Collect rewards</source>
        <translation>Забрать награды</translation>
    </message>
</context>
<context>
    <name>GameHud</name>
    <message>
        <source>BEST</source>
        <translation>РЕКОРД</translation>
    </message>
</context>
<context>
    <name>GameOverCard</name>
    <message>
        <source>Hit a wall</source>
        <translation>Удар о стену</translation>
    </message>
    <message>
        <source>Hit a block</source>
        <translation>Удар о блок</translation>
    </message>
    <message>
        <source>Fell off the screen</source>
        <translation>Падение вниз</translation>
    </message>
    <message>
        <source>Run over</source>
        <translation>Забег окончен</translation>
    </message>
    <message>
        <source>New best score!</source>
        <translation>Новый рекорд!</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Рекорд: %1</translation>
    </message>
    <message>
        <source>Saving the run…</source>
        <translation>Сохранение…</translation>
    </message>
    <message>
        <source>New skin: %1</source>
        <translation>Новый скин: %1</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Ещё раз</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Achievements</source>
        <translation>Достижения</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Скины</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Забеги</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Developer: finish a run</source>
        <translation>Разработчик: забег</translation>
    </message>
    <message>
        <source>Warming up</source>
        <translation>Разминка</translation>
    </message>
    <message>
        <source>High flyer</source>
        <translation>Высокий полёт</translation>
    </message>
    <message>
        <source>Unstoppable</source>
        <translation>Неудержимый</translation>
    </message>
    <message>
        <source>Headstrong</source>
        <translation>Упрямец</translation>
    </message>
    <message>
        <source>Every point counts</source>
        <translation>Каждое очко важно</translation>
    </message>
    <message>
        <source>Stay in place</source>
        <translation>На месте</translation>
    </message>
    <message>
        <source>Practice more</source>
        <translation>Тренируйся</translation>
    </message>
    <message>
        <source>Clown moment</source>
        <translation>Клоунада</translation>
    </message>
    <message>
        <source>Jump %1 times within one section</source>
        <translation>%1 прыжков в одной секции</translation>
    </message>
    <message>
        <source>Reach %1 within %2 seconds</source>
        <translation>Набрать %1 за %2 с</translation>
    </message>
    <message>
        <source>Score %1 points in one run</source>
        <translation>%1 очков за забег</translation>
    </message>
    <message>
        <source>Collide %1 times in one mode, all runs together</source>
        <translation>%1 ударов в режиме, всего</translation>
    </message>
    <message>
        <source>Score %1 points in one mode, all runs together</source>
        <translation>%1 очков в режиме, всего</translation>
    </message>
    <message>
        <source>Die %1 times in a row with at most %2 points</source>
        <translation>Погибнуть %1 раз подряд, набрав до %2</translation>
    </message>
    <message>
        <source>Die with %2 points right after dying with %1 or more</source>
        <translation>Погибнуть с %2 сразу после гибели с %1 и более</translation>
    </message>
    <message>
        <source>A condition of its own</source>
        <translation>Особое условие</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Стена</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Блок</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Падение</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Прервано</translation>
    </message>
    <message>
        <source>This is not a Hoplix run code.</source>
        <translation>Это не код забега Hoplix.</translation>
    </message>
    <message>
        <source>This run code comes from another version of Hoplix.</source>
        <translation>Этот код забега из другой версии Hoplix.</translation>
    </message>
    <message>
        <source>This run code is damaged or incomplete.</source>
        <translation>Этот код забега повреждён или неполон.</translation>
    </message>
    <message>
        <source>This run was played by other rules of the game; it cannot be shown here.</source>
        <translation>Этот забег сыгран по другим правилам игры; показать его здесь нельзя.</translation>
    </message>
    <message>
        <source>This run code cannot be used now.</source>
        <translation>Этот код забега сейчас нельзя использовать.</translation>
    </message>
</context>
<context>
    <name>PauseOverlay</name>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Tap anywhere to carry on.</source>
        <translation>Коснитесь, чтобы продолжить.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Leave run</source>
        <translation>Выйти</translation>
    </message>
</context>
<context>
    <name>PlaySettings</name>
    <message>
        <source>Sound and touch</source>
        <translation>Звук и вибрация</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Вибрация</translation>
    </message>
    <message>
        <source>Screen shake and flashes</source>
        <translation>Тряска и вспышки</translation>
    </message>
</context>
<context>
    <name>ReadyHint</name>
    <message>
        <source>Daily tower</source>
        <translation>Башня дня</translation>
    </message>
    <message>
        <source>Endless tower</source>
        <translation>Бесконечная башня</translation>
    </message>
    <message>
        <source>Tap left or right to jump that way. Pass through the gaps; a hard knock from below ends the run, a gentle one bounces.</source>
        <translation>Касание слева или справа — прыжок в ту сторону. Проходите в просветы; сильный удар снизу завершает забег, лёгкий отбрасывает.</translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message>
        <source>Mode (empty for all modes)</source>
        <translation>Режим (пусто — все)</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Рекорд: %1</translation>
    </message>
    <message>
        <source>Latest death at y %1, x %2</source>
        <translation>Последняя гибель: y %1, x %2</translation>
    </message>
    <message>
        <source>The latest run left no death position.</source>
        <translation>Места гибели нет.</translation>
    </message>
    <message>
        <source>No runs yet.</source>
        <translation>Забегов пока нет.</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 очков</translation>
    </message>
    <message>
        <source>Jumps %1 (at most %2 in a section), walls %3, blocks %4</source>
        <translation>Прыжки %1 (до %2 в секции), стены %3, блоки %4</translation>
    </message>
</context>
<context>
    <name>ReplayLayer</name>
    <message>
        <source>Code copied</source>
        <translation>Код скопирован</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>Skip to end</source>
        <translation>К концу</translation>
    </message>
    <message>
        <source>Ghost: %1</source>
        <translation>Призрак: %1</translation>
    </message>
    <message>
        <source>Replay over</source>
        <translation>Повтор окончен</translation>
    </message>
    <message>
        <source>Race this run</source>
        <translation>Состязаться с этим забегом</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>Скопировать код</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Climb this tower again</source>
        <translation>Подняться на эту башню ещё раз</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Поделиться</translation>
    </message>
</context>
<context>
    <name>RunCodeField</name>
    <message>
        <source>A run code you were sent</source>
        <translation>Присланный вам код забега</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Смотреть</translation>
    </message>
    <message>
        <source>Race its ghost</source>
        <translation>Состязаться с его призраком</translation>
    </message>
</context>
<context>
    <name>RunReplayActions</name>
    <message>
        <source>Watch</source>
        <translation>Смотреть</translation>
    </message>
    <message>
        <source>Climb this tower again</source>
        <translation>Подняться на эту башню ещё раз</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>Скопировать код</translation>
    </message>
</context>
<context>
    <name>RunSavedNote</name>
    <message>
        <source>Not saved yet</source>
        <translation>Ещё не сохранено</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Сохранено</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Language of this interface: English</source>
        <translation>Язык интерфейса: русский</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Вступит в силу при перезапуске.</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Язык системы</translation>
    </message>
</context>
<context>
    <name>ShareCode</name>
    <message>
        <source>A Hoplix run</source>
        <translation>Забег в Hoplix</translation>
    </message>
</context>
<context>
    <name>SilicaGamePage</name>
    <message>
        <source>Leaving the run</source>
        <translation>Выход…</translation>
    </message>
</context>
<context>
    <name>SkinsPage</name>
    <message>
        <source>Locked: an achievement unlocks it.</source>
        <translation>Закрыт: откроется за достижение.</translation>
    </message>
    <message>
        <source>Now wearing %1.</source>
        <translation>Надет скин %1.</translation>
    </message>
    <message>
        <source>Could not select %1.</source>
        <translation>Не удалось выбрать %1.</translation>
    </message>
    <message>
        <source>Tap an unlocked skin to wear it.</source>
        <translation>Коснитесь открытого скина, чтобы надеть.</translation>
    </message>
    <message>
        <source>Worn</source>
        <translation>Надет</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>Открыто</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Закрыто</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>Jump through the gaps. Climb as high as you can.</source>
        <translation>Прыгайте в просветы. Выше!</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Бесконечный</translation>
    </message>
    <message>
        <source>Daily tower</source>
        <translation>Башня дня</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Рекорд: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
</context>
</TS>

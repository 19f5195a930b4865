<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AchievementsPage</name>
    <message>
        <source>Achievements are not available right now.</source>
        <translation>実績は現在利用できません。</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>解除済み</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>未解除</translation>
    </message>
    <message>
        <source>Progress: ???</source>
        <translation>進捗: ???</translation>
    </message>
    <message>
        <source>Progress: %1 / %2</source>
        <translation>進捗: %1 / %2</translation>
    </message>
</context>
<context>
    <name>CoverPage</name>
    <message>
        <source>Paused</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>プレイ中</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>ベスト: %1</translation>
    </message>
    <message>
        <source>Watching a replay</source>
        <translation>リプレイ再生中</translation>
    </message>
</context>
<context>
    <name>DeathMarker</name>
    <message>
        <source>Last death</source>
        <translation>前回の死亡</translation>
    </message>
</context>
<context>
    <name>DeveloperPage</name>
    <message>
        <source>Settling the run…</source>
        <translation>精算中…</translation>
    </message>
    <message>
        <source>The run was refused.</source>
        <translation>プレイが拒否されました。</translation>
    </message>
    <message>
        <source>Run stored.</source>
        <translation>保存しました。</translation>
    </message>
    <message>
        <source>The run could not be stored.</source>
        <translation>保存できませんでした。</translation>
    </message>
    <message>
        <source>There is nothing to collect.</source>
        <translation>受け取るものはありません。</translation>
    </message>
    <message>
        <source>Rewards collected. Their skins are waiting on the Skins page.</source>
        <translation>報酬を受け取りました。スキンはスキン画面にあります。</translation>
    </message>
    <message>
        <source>The rewards could not be collected.</source>
        <translation>報酬を受け取れませんでした。</translation>
    </message>
    <message>
        <source>Finish a run</source>
        <translation>プレイを終える</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Jumps</source>
        <translation>ジャンプ</translation>
    </message>
    <message>
        <source>Most jumps in a section</source>
        <translation>区間内の最多ジャンプ</translation>
    </message>
    <message>
        <source>Wall collisions</source>
        <translation>壁への衝突</translation>
    </message>
    <message>
        <source>Block collisions</source>
        <translation>ブロックへの衝突</translation>
    </message>
    <message>
        <source>Death position Y</source>
        <translation>死亡位置 Y</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Death position X</source>
        <translation>死亡位置 X</translation>
    </message>
    <message>
        <source>End reason</source>
        <translation>終了理由</translation>
    </message>
    <message>
        <source>Finish run</source>
        <translation>終える</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Settled</source>
        <translation>精算済み</translation>
    </message>
    <message>
        <source>Not settled</source>
        <translation>未精算</translation>
    </message>
    <message>
        <source>Best score of the mode: %1</source>
        <translation>モードのベスト: %1</translation>
    </message>
    <message>
        <source>New rewards!</source>
        <translation>新しい報酬！</translation>
    </message>
    <message>
        <source>No rewards waiting.</source>
        <translation>未受取の報酬なし。</translation>
    </message>
    <message>
        <source>Skin: %1</source>
        <translation>スキン: %1</translation>
    </message>
    <message>
        <source>Collect rewards</source>
        <translation>報酬を受け取る</translation>
    </message>
</context>
<context>
    <name>GameHud</name>
    <message>
        <source>BEST</source>
        <translation>ベスト</translation>
    </message>
</context>
<context>
    <name>GameOverCard</name>
    <message>
        <source>Hit a wall</source>
        <translation>壁に激突</translation>
    </message>
    <message>
        <source>Hit a block</source>
        <translation>ブロックに激突</translation>
    </message>
    <message>
        <source>Fell off the screen</source>
        <translation>画面から落下</translation>
    </message>
    <message>
        <source>Run over</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>New best score!</source>
        <translation>ベスト更新！</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>ベスト: %1</translation>
    </message>
    <message>
        <source>Saving the run…</source>
        <translation>保存中…</translation>
    </message>
    <message>
        <source>New skin: %1</source>
        <translation>新スキン: %1</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>もう一度</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Achievements</source>
        <translation>実績</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>スキン</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Developer: finish a run</source>
        <translation>開発者: プレイを終える</translation>
    </message>
    <message>
        <source>Warming up</source>
        <translation>ウォームアップ</translation>
    </message>
    <message>
        <source>High flyer</source>
        <translation>ハイフライヤー</translation>
    </message>
    <message>
        <source>Unstoppable</source>
        <translation>止められない</translation>
    </message>
    <message>
        <source>Headstrong</source>
        <translation>石頭</translation>
    </message>
    <message>
        <source>Every point counts</source>
        <translation>一点の重み</translation>
    </message>
    <message>
        <source>Stay in place</source>
        <translation>その場で</translation>
    </message>
    <message>
        <source>Practice more</source>
        <translation>練習あるのみ</translation>
    </message>
    <message>
        <source>Clown moment</source>
        <translation>ピエロの瞬間</translation>
    </message>
    <message>
        <source>Jump %1 times within one section</source>
        <translation>1区間で%1回ジャンプ</translation>
    </message>
    <message>
        <source>Reach %1 within %2 seconds</source>
        <translation>%2秒以内に%1に到達</translation>
    </message>
    <message>
        <source>Score %1 points in one run</source>
        <translation>1回で%1点</translation>
    </message>
    <message>
        <source>Collide %1 times in one mode, all runs together</source>
        <translation>1モードで通算%1回衝突</translation>
    </message>
    <message>
        <source>Score %1 points in one mode, all runs together</source>
        <translation>1モードで通算%1点</translation>
    </message>
    <message>
        <source>Die %1 times in a row with at most %2 points</source>
        <translation>%2点以下で%1回連続死亡</translation>
    </message>
    <message>
        <source>Die with %2 points right after dying with %1 or more</source>
        <translation>%1点以上で死亡した直後に%2点で死亡</translation>
    </message>
    <message>
        <source>A condition of its own</source>
        <translation>特別な条件</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>壁</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>ブロック</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>落下</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>中断</translation>
    </message>
    <message>
        <source>This is not a Hoplix run code.</source>
        <translation>Hoplix のプレイコードではありません。</translation>
    </message>
    <message>
        <source>This run code comes from another version of Hoplix.</source>
        <translation>このプレイコードは別のバージョンの Hoplix のものです。</translation>
    </message>
    <message>
        <source>This run code is damaged or incomplete.</source>
        <translation>このプレイコードは壊れているか不完全です。</translation>
    </message>
    <message>
        <source>This run was played by other rules of the game; it cannot be shown here.</source>
        <translation>このプレイは別のルールで遊ばれたため、ここでは再生できません。</translation>
    </message>
    <message>
        <source>This run code cannot be used now.</source>
        <translation>このプレイコードは今は使えません。</translation>
    </message>
</context>
<context>
    <name>PauseOverlay</name>
    <message>
        <source>Paused</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Tap anywhere to carry on.</source>
        <translation>タップで再開。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Leave run</source>
        <translation>やめる</translation>
    </message>
</context>
<context>
    <name>PlaySettings</name>
    <message>
        <source>Sound and touch</source>
        <translation>サウンドと振動</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>振動</translation>
    </message>
    <message>
        <source>Screen shake and flashes</source>
        <translation>画面の揺れと点滅</translation>
    </message>
</context>
<context>
    <name>ReadyHint</name>
    <message>
        <source>Daily tower</source>
        <translation>今日の塔</translation>
    </message>
    <message>
        <source>Endless tower</source>
        <translation>無限の塔</translation>
    </message>
    <message>
        <source>Tap left or right to jump that way. Pass through the gaps; a hard knock from below ends the run, a gentle one bounces.</source>
        <translation>左右をタップするとその方向へ跳びます。すき間を抜けよう。下から強くぶつかると終了、軽ければ跳ね返ります。</translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message>
        <source>Mode (empty for all modes)</source>
        <translation>モード（空欄で全て）</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>ベスト: %1</translation>
    </message>
    <message>
        <source>Latest death at y %1, x %2</source>
        <translation>前回の死亡: y %1, x %2</translation>
    </message>
    <message>
        <source>The latest run left no death position.</source>
        <translation>前回の死亡位置はありません。</translation>
    </message>
    <message>
        <source>No runs yet.</source>
        <translation>まだ記録がありません。</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1点</translation>
    </message>
    <message>
        <source>Jumps %1 (at most %2 in a section), walls %3, blocks %4</source>
        <translation>ジャンプ %1（区間最多 %2）、壁 %3、ブロック %4</translation>
    </message>
</context>
<context>
    <name>ReplayLayer</name>
    <message>
        <source>Code copied</source>
        <translation>コードをコピーしました</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>リプレイ</translation>
    </message>
    <message>
        <source>Skip to end</source>
        <translation>最後まで飛ばす</translation>
    </message>
    <message>
        <source>Ghost: %1</source>
        <translation>ゴースト: %1</translation>
    </message>
    <message>
        <source>Replay over</source>
        <translation>リプレイ終了</translation>
    </message>
    <message>
        <source>Race this run</source>
        <translation>このプレイと競争</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>コードをコピー</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Climb this tower again</source>
        <translation>このタワーにもう一度挑む</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
</context>
<context>
    <name>RunCodeField</name>
    <message>
        <source>A run code you were sent</source>
        <translation>送られてきたプレイコード</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>見る</translation>
    </message>
    <message>
        <source>Race its ghost</source>
        <translation>そのゴーストと競争</translation>
    </message>
</context>
<context>
    <name>RunReplayActions</name>
    <message>
        <source>Watch</source>
        <translation>見る</translation>
    </message>
    <message>
        <source>Climb this tower again</source>
        <translation>このタワーにもう一度挑む</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>コードをコピー</translation>
    </message>
</context>
<context>
    <name>RunSavedNote</name>
    <message>
        <source>Not saved yet</source>
        <translation>まだ保存されていません</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>保存しました</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Language of this interface: English</source>
        <translation>表示言語: 日本語</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>次回起動時に反映されます。</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>システムの言語</translation>
    </message>
</context>
<context>
    <name>ShareCode</name>
    <message>
        <source>A Hoplix run</source>
        <translation>Hoplix のプレイ</translation>
    </message>
</context>
<context>
    <name>SilicaGamePage</name>
    <message>
        <source>Leaving the run</source>
        <translation>終了中…</translation>
    </message>
</context>
<context>
    <name>SkinsPage</name>
    <message>
        <source>Locked: an achievement unlocks it.</source>
        <translation>未解除: 実績で解除されます。</translation>
    </message>
    <message>
        <source>Now wearing %1.</source>
        <translation>%1を装着中。</translation>
    </message>
    <message>
        <source>Could not select %1.</source>
        <translation>%1を選択できません。</translation>
    </message>
    <message>
        <source>Tap an unlocked skin to wear it.</source>
        <translation>解除済みスキンをタップで装着。</translation>
    </message>
    <message>
        <source>Worn</source>
        <translation>装着中</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>解除済み</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>未解除</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>Jump through the gaps. Climb as high as you can.</source>
        <translation>すき間を跳び抜けて、できるだけ高く登ろう。</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>エンドレス</translation>
    </message>
    <message>
        <source>Daily tower</source>
        <translation>今日の塔</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>ベスト: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>プレイ</translation>
    </message>
</context>
</TS>

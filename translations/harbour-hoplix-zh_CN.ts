<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AchievementsPage</name>
    <message>
        <source>Achievements are not available right now.</source>
        <translation>成就暂时不可用。</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>已解锁</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>未解锁</translation>
    </message>
    <message>
        <source>Progress: ???</source>
        <translation>进度：???</translation>
    </message>
    <message>
        <source>Progress: %1 / %2</source>
        <translation>进度：%1 / %2</translation>
    </message>
</context>
<context>
    <name>CoverPage</name>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>游戏中</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>最高分：%1</translation>
    </message>
    <message>
        <source>Watching a replay</source>
        <translation>正在回放</translation>
    </message>
</context>
<context>
    <name>DeathMarker</name>
    <message>
        <source>Last death</source>
        <translation>上次死亡</translation>
    </message>
</context>
<context>
    <name>DeveloperPage</name>
    <message>
        <source>Settling the run…</source>
        <translation>正在结算…</translation>
    </message>
    <message>
        <source>The run was refused.</source>
        <translation>本局被拒绝。</translation>
    </message>
    <message>
        <source>Run stored.</source>
        <translation>已保存。</translation>
    </message>
    <message>
        <source>The run could not be stored.</source>
        <translation>无法保存本局。</translation>
    </message>
    <message>
        <source>There is nothing to collect.</source>
        <translation>没有可领取的奖励。</translation>
    </message>
    <message>
        <source>Rewards collected. Their skins are waiting on the Skins page.</source>
        <translation>奖励已领取，皮肤见“皮肤”页。</translation>
    </message>
    <message>
        <source>The rewards could not be collected.</source>
        <translation>无法领取奖励。</translation>
    </message>
    <message>
        <source>Finish a run</source>
        <translation>结束一局</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>分数</translation>
    </message>
    <message>
        <source>Jumps</source>
        <translation>跳跃</translation>
    </message>
    <message>
        <source>Most jumps in a section</source>
        <translation>单段最多跳跃</translation>
    </message>
    <message>
        <source>Wall collisions</source>
        <translation>撞墙次数</translation>
    </message>
    <message>
        <source>Block collisions</source>
        <translation>撞块次数</translation>
    </message>
    <message>
        <source>Death position Y</source>
        <translation>死亡位置 Y</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Death position X</source>
        <translation>死亡位置 X</translation>
    </message>
    <message>
        <source>End reason</source>
        <translation>结束原因</translation>
    </message>
    <message>
        <source>Finish run</source>
        <translation>结束本局</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Settled</source>
        <translation>已结算</translation>
    </message>
    <message>
        <source>Not settled</source>
        <translation>未结算</translation>
    </message>
    <message>
        <source>Best score of the mode: %1</source>
        <translation>本模式最高分：%1</translation>
    </message>
    <message>
        <source>New rewards!</source>
        <translation>新奖励！</translation>
    </message>
    <message>
        <source>No rewards waiting.</source>
        <translation>没有待领奖励。</translation>
    </message>
    <message>
        <source>Skin: %1</source>
        <translation>皮肤：%1</translation>
    </message>
    <message>
        <source>Collect rewards</source>
        <translation>领取奖励</translation>
    </message>
</context>
<context>
    <name>GameHud</name>
    <message>
        <source>BEST</source>
        <translation>最高</translation>
    </message>
</context>
<context>
    <name>GameOverCard</name>
    <message>
        <source>Hit a wall</source>
        <translation>撞上了墙</translation>
    </message>
    <message>
        <source>Hit a block</source>
        <translation>撞上了方块</translation>
    </message>
    <message>
        <source>Fell off the screen</source>
        <translation>掉出了屏幕</translation>
    </message>
    <message>
        <source>Run over</source>
        <translation>本局结束</translation>
    </message>
    <message>
        <source>New best score!</source>
        <translation>新纪录！</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>最高分：%1</translation>
    </message>
    <message>
        <source>Saving the run…</source>
        <translation>正在保存…</translation>
    </message>
    <message>
        <source>New skin: %1</source>
        <translation>新皮肤：%1</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>再玩一次</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Achievements</source>
        <translation>成就</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>皮肤</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Developer: finish a run</source>
        <translation>开发者：结束一局</translation>
    </message>
    <message>
        <source>Warming up</source>
        <translation>热身</translation>
    </message>
    <message>
        <source>High flyer</source>
        <translation>高飞者</translation>
    </message>
    <message>
        <source>Unstoppable</source>
        <translation>势不可挡</translation>
    </message>
    <message>
        <source>Headstrong</source>
        <translation>铁头</translation>
    </message>
    <message>
        <source>Every point counts</source>
        <translation>分分必争</translation>
    </message>
    <message>
        <source>Stay in place</source>
        <translation>原地不动</translation>
    </message>
    <message>
        <source>Practice more</source>
        <translation>多加练习</translation>
    </message>
    <message>
        <source>Clown moment</source>
        <translation>小丑时刻</translation>
    </message>
    <message>
        <source>Jump %1 times within one section</source>
        <translation>在一段内跳 %1 次</translation>
    </message>
    <message>
        <source>Reach %1 within %2 seconds</source>
        <translation>%2 秒内达到 %1</translation>
    </message>
    <message>
        <source>Score %1 points in one run</source>
        <translation>单局得 %1 分</translation>
    </message>
    <message>
        <source>Collide %1 times in one mode, all runs together</source>
        <translation>同一模式累计碰撞 %1 次</translation>
    </message>
    <message>
        <source>Score %1 points in one mode, all runs together</source>
        <translation>同一模式累计得 %1 分</translation>
    </message>
    <message>
        <source>Die %1 times in a row with at most %2 points</source>
        <translation>连续 %1 次以不超过 %2 分死亡</translation>
    </message>
    <message>
        <source>Die with %2 points right after dying with %1 or more</source>
        <translation>以 %1 分以上死亡后，紧接着以 %2 分死亡</translation>
    </message>
    <message>
        <source>A condition of its own</source>
        <translation>特殊条件</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>墙</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>方块</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>坠落</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>This is not a Hoplix run code.</source>
        <translation>这不是 Hoplix 的对局代码。</translation>
    </message>
    <message>
        <source>This run code comes from another version of Hoplix.</source>
        <translation>此对局代码来自另一个版本的 Hoplix。</translation>
    </message>
    <message>
        <source>This run code is damaged or incomplete.</source>
        <translation>此对局代码已损坏或不完整。</translation>
    </message>
    <message>
        <source>This run was played by other rules of the game; it cannot be shown here.</source>
        <translation>此对局按另一套游戏规则进行，无法在这里播放。</translation>
    </message>
    <message>
        <source>This run code cannot be used now.</source>
        <translation>此对局代码现在无法使用。</translation>
    </message>
</context>
<context>
    <name>PauseOverlay</name>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Tap anywhere to carry on.</source>
        <translation>点击任意处继续。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Leave run</source>
        <translation>退出本局</translation>
    </message>
</context>
<context>
    <name>PlaySettings</name>
    <message>
        <source>Sound and touch</source>
        <translation>声音与振动</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>振动</translation>
    </message>
    <message>
        <source>Screen shake and flashes</source>
        <translation>屏幕震动与闪光</translation>
    </message>
</context>
<context>
    <name>ReadyHint</name>
    <message>
        <source>Daily tower</source>
        <translation>每日之塔</translation>
    </message>
    <message>
        <source>Endless tower</source>
        <translation>无尽之塔</translation>
    </message>
    <message>
        <source>Tap left or right to jump that way. Pass through the gaps; a hard knock from below ends the run, a gentle one bounces.</source>
        <translation>点击左侧或右侧向该方向跳。穿过缺口；从下方猛撞会结束本局，轻碰则弹回。</translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message>
        <source>Mode (empty for all modes)</source>
        <translation>模式（留空为全部）</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>最高分：%1</translation>
    </message>
    <message>
        <source>Latest death at y %1, x %2</source>
        <translation>上次死亡：y %1，x %2</translation>
    </message>
    <message>
        <source>The latest run left no death position.</source>
        <translation>上一局没有死亡位置。</translation>
    </message>
    <message>
        <source>No runs yet.</source>
        <translation>还没有记录。</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>Jumps %1 (at most %2 in a section), walls %3, blocks %4</source>
        <translation>跳跃 %1（单段最多 %2），撞墙 %3，撞块 %4</translation>
    </message>
</context>
<context>
    <name>ReplayLayer</name>
    <message>
        <source>Code copied</source>
        <translation>代码已复制</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>回放</translation>
    </message>
    <message>
        <source>Skip to end</source>
        <translation>跳到结尾</translation>
    </message>
    <message>
        <source>Ghost: %1</source>
        <translation>幽灵：%1</translation>
    </message>
    <message>
        <source>Replay over</source>
        <translation>回放结束</translation>
    </message>
    <message>
        <source>Race this run</source>
        <translation>挑战这局</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>复制代码</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Climb this tower again</source>
        <translation>再爬一次这座塔</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
</context>
<context>
    <name>RunCodeField</name>
    <message>
        <source>A run code you were sent</source>
        <translation>别人发给你的对局代码</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>观看</translation>
    </message>
    <message>
        <source>Race its ghost</source>
        <translation>挑战它的幽灵</translation>
    </message>
</context>
<context>
    <name>RunReplayActions</name>
    <message>
        <source>Watch</source>
        <translation>观看</translation>
    </message>
    <message>
        <source>Climb this tower again</source>
        <translation>再爬一次这座塔</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>复制代码</translation>
    </message>
</context>
<context>
    <name>RunSavedNote</name>
    <message>
        <source>Not saved yet</source>
        <translation>尚未保存</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>已保存</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Language of this interface: English</source>
        <translation>界面语言：简体中文</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>下次启动时生效。</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>系统语言</translation>
    </message>
</context>
<context>
    <name>ShareCode</name>
    <message>
        <source>A Hoplix run</source>
        <translation>一局 Hoplix</translation>
    </message>
</context>
<context>
    <name>SilicaGamePage</name>
    <message>
        <source>Leaving the run</source>
        <translation>正在退出…</translation>
    </message>
</context>
<context>
    <name>SkinsPage</name>
    <message>
        <source>Locked: an achievement unlocks it.</source>
        <translation>未解锁：达成成就即可解锁。</translation>
    </message>
    <message>
        <source>Now wearing %1.</source>
        <translation>正在使用 %1。</translation>
    </message>
    <message>
        <source>Could not select %1.</source>
        <translation>无法选择 %1。</translation>
    </message>
    <message>
        <source>Tap an unlocked skin to wear it.</source>
        <translation>点击已解锁的皮肤即可使用。</translation>
    </message>
    <message>
        <source>Worn</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>已解锁</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>未解锁</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>Jump through the gaps. Climb as high as you can.</source>
        <translation>穿过缺口，尽量往高处爬。</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>无尽</translation>
    </message>
    <message>
        <source>Daily tower</source>
        <translation>每日之塔</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>最高分：%1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>开始</translation>
    </message>
</context>
</TS>

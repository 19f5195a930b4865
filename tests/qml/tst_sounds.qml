import QtQuick 2.6
import QtTest 1.0
import QtMultimedia 5.6
import QtFeedback 5.0
import org.hoplix.hoplix 1.0
import org.hoplix.game 1.0
import org.hoplix.test 1.0
import "../../qml/components"

// The sound and vibration components through the test stand-ins of their
// modules (tests/qml/stubs): each cue reaches its own player, nothing plays
// while switched off, and nothing loads where the module is absent.
Item {
    id: host

    Component { id: soundsComponent; GameSounds { available: true } }
    Component { id: absentSounds; GameSounds { available: false } }
    Component { id: hapticsComponent; Haptics { available: true } }
    Component { id: absentHaptics; Haptics { available: false } }

    // A run with its cues, as the game page has them.
    Component {
        id: runComponent
        Item {
            property alias session: run
            property alias settings: runSettings
            GameSession { id: run }
            ApplicationCore { id: runCore }
            FrontEndSettings { id: runSettings; core: runCore }
            GameCues {
                session: run
                settings: runSettings
                soundsAvailable: true
                hapticsAvailable: true
            }
        }
    }

    // The pages' buttons under a shell's one player of the button cue.
    Component {
        id: pagesComponent
        Column {
            property alias sounds: pageSounds
            property alias settings: pageSettings
            ApplicationCore { id: pageCore }
            FrontEndSettings { id: pageSettings; core: pageCore }
            PageSounds { id: pageSounds; core: pageCore; available: true }
            PillButton { objectName: "pill"; text: "pill" }
            ActionButton { objectName: "action"; text: "action" }
            HeaderBar { objectName: "header"; width: 300; title: "header" }
            OptionRow { objectName: "option"; width: 300; options: [{ value: 1, text: "one" }] }
        }
    }

    TestCase {
        name: "GameSounds"
        when: windowShown

        // What a case made goes at its end (the phone's QtTest has no
        // createTemporaryObject).
        property var made: []

        function make(component) {
            var object = component.createObject(host)
            made.push(object)
            return object
        }

        function cleanup() {
            for (var i = 0; i < made.length; ++i)
                made[i].destroy()
            made = []
        }

        function init() {
            SoundLog.clear();
            BuzzLog.clear();
            BuzzLog.supported = true;
        }

        function test_everyCuePlaysItsOwnFile() {
            var created = SoundLog.created;
            var sounds = make(soundsComponent);
            verify(sounds.ready);
            compare(SoundLog.created - created, sounds.cues.length, "one player per cue, made once");
            var expected = [];
            for (var i = 0; i < sounds.cues.length; ++i) {
                verify(sounds.play(sounds.cues[i]), sounds.cues[i]);
                expected.push(sounds.cues[i] + ".wav");
            }
            verify(sounds.play("jump"));
            expected.push("jump.wav");
            compare(SoundLog.played, expected);
            compare(SoundLog.created - created, sounds.cues.length, "players are reused");
            verify(!sounds.play("no-such-cue"));
            compare(SoundLog.played.length, expected.length);
        }

        function test_volumeAndCategoryReachThePlayers() {
            var sounds = make(soundsComponent);
            sounds.volume = 0.25;
            var player = sounds.effects.players["hit"];
            compare(player.volume, 0.25);
            compare(player.category, "game");
        }

        function test_quietWhenDisabledOrMuted_data() {
            return [
                { tag: "disabled", enabled: false, volume: 1.0 },
                { tag: "volume zero", enabled: true, volume: 0.0 }
            ];
        }

        function test_quietWhenDisabledOrMuted(data) {
            var sounds = make(soundsComponent);
            sounds.enabled = data.enabled;
            sounds.volume = data.volume;
            verify(!sounds.play("hit"));
            verify(!sounds.play("jump"));
            compare(SoundLog.played, []);
            sounds.enabled = true;
            sounds.volume = 1.0;
            verify(sounds.play("hit"));
            compare(SoundLog.played, ["hit.wav"]);
        }

        function test_absentModuleLoadsNothing() {
            var created = SoundLog.created;
            var sounds = make(absentSounds);
            verify(!sounds.ready);
            verify(!sounds.play("jump"));
            compare(SoundLog.created, created);
            var haptics = make(absentHaptics);
            verify(!haptics.supported);
            verify(!haptics.buzz("strong"));
            compare(BuzzLog.played, []);
        }

        function test_buzzKinds() {
            var haptics = make(hapticsComponent);
            verify(haptics.supported);
            verify(haptics.buzz("strong"));
            verify(haptics.buzz("press"));
            verify(haptics.buzz("weak"));
            verify(!haptics.buzz("jump"));
            compare(BuzzLog.played, ["PressStrong", "Press", "PressWeak"]);
        }

        function test_noBuzzWhenDisabledOrUnsupported() {
            var haptics = make(hapticsComponent);
            haptics.enabled = false;
            verify(!haptics.buzz("strong"));
            BuzzLog.supported = false;
            var unsupported = make(hapticsComponent);
            verify(!unsupported.supported);
            verify(!unsupported.buzz("strong"));
            compare(BuzzLog.played, []);
        }
    
        // Rushing up into whatever is overhead: the jumps are heard on the
        // step they are taken, never felt; the run ends on a hard hit heard
        // and felt last.
        function test_aRunIsHeardAndFeltInOrder() {
            TestConfiguration.fresh()
            var run = make(runComponent)
            run.session.prepare("endless", "{cue-run}", "13")
            run.session.jump(1)
            run.session.advance(1)
            compare(SoundLog.played, ["jump.wav"])
            compare(BuzzLog.played, [])
            for (var i = 0; i < 400 && run.session.state === GameSession.Running; ++i) {
                run.session.jump(i % 2 ? 1 : -1)
                run.session.advance(10)
            }
            compare(run.session.state, GameSession.Over)
            var sounds = SoundLog.played
            var last = sounds[sounds.length - 1]
            verify(last === "hit.wav" || last === "fall.wav", last)
            compare(BuzzLog.played[BuzzLog.played.length - 1], "PressStrong")
            var jumps = 0
            for (var j = 0; j < sounds.length; ++j)
                jumps += sounds[j] === "jump.wav" ? 1 : 0
            compare(jumps, run.session.jumpCount)
        }

        function test_switchedOffIsSilentAndStill() {
            TestConfiguration.fresh()
            var run = make(runComponent)
            run.settings.soundEnabled = false
            run.settings.vibrationEnabled = false
            run.session.prepare("endless", "{quiet-run}", "13")
            for (var i = 0; i < 400 && run.session.state !== GameSession.Over; ++i) {
                run.session.jump(i % 2 ? 1 : -1)
                run.session.advance(10)
            }
            compare(SoundLog.played, [])
            compare(BuzzLog.played, [])
        }

        // Every kind of button of the pages plays the button cue through the
        // shell's one player, and none does with sound switched off.
        function test_pagesButtonsPlayTheButtonCue() {
            TestConfiguration.fresh()
            var pages = make(pagesComponent)
            tryCompare(pages.sounds, "ready", true)
            var names = ["pill", "action", "header", "option"]
            var expected = []
            for (var i = 0; i < names.length; ++i) {
                var button = findChild(pages, names[i])
                if (names[i] === "header")
                    button = findChild(button, "backButton")
                // An option sits below its caption.
                mouseClick(button, 10, button.height - 5)
                expected.push("button.wav")
                compare(SoundLog.played, expected, names[i])
            }
            pages.settings.soundEnabled = false
            mouseClick(findChild(pages, "pill"), 10, 10)
            compare(SoundLog.played, expected)
        }
}
}

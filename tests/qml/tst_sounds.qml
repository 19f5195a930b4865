import QtQuick 2.6
import QtTest 1.0
import QtMultimedia 5.6
import QtFeedback 5.0
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

    TestCase {
        name: "GameSounds"

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
    }
}

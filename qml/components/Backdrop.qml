import QtQuick 2.6
import "Theme.js" as Theme

// The night sky behind the tower: a gradient and a fixed set of stars that
// drift slower than the tower, for depth. `scroll` is the camera's height in
// pixels.
Rectangle {
    id: backdrop

    property real scroll: 0

    gradient: Gradient {
        GradientStop { position: 0.0; color: Theme.skyTop }
        GradientStop { position: 0.6; color: Theme.skyMiddle }
        GradientStop { position: 1.0; color: Theme.skyBottom }
    }

    Repeater {
        model: 28

        Rectangle {
            // Spread by a fixed pattern, so every start looks the same.
            readonly property real depth: 0.15 + (index % 4) * 0.08
            width: Math.max(2, backdrop.width / 240 * (1 + index % 3))
            height: width
            radius: width / 2
            color: index % 5 === 0 ? Theme.brightStar : Theme.star
            opacity: 0.35 + (index % 3) * 0.2
            x: (index * 197 % 100) / 100 * backdrop.width
            y: {
                var span = backdrop.height + 20
                var base = (index * 131 % 100) / 100 * span
                var shifted = (base + backdrop.scroll * depth) % span
                return shifted - 10
            }
        }
    }
}

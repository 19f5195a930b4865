import QtQuick 2.6
import org.hoplix.game 1.0
import "../components"
import "../components/Theme.js" as Theme

// The tower as the camera sees it: the sky, the launch pad, the last run's
// end, the session's pooled pieces and the character, with the shake and the
// flash that knocks and power-ups give.
Item {
    id: view

    property GameSession session
    // Pixels per world unit, and per pixel of a screen 540 wide.
    property real unit: 1
    property real scaling: 1
    // Whether the game draws frames: the power-ups pulse only then.
    property bool live: false
    // No shake and no flash.
    property bool reducedMotion: false
    // Where the last run of the mode ended ({x, y} in world units), or null.
    property var deathMarker: null
    property url skinSource

    // A knock, by its severity: "glancing", "absorbed" or "fatal".
    function knock(severity) {
        if (reducedMotion)
            return
        flash.color = severity === "fatal" ? Theme.flash.fatal
                    : (severity === "absorbed" ? Theme.flash.absorbed : Theme.flash.glancing)
        flashAnimation.restart()
        shake.amplitude = (severity === "glancing" ? Theme.flash.glancingShake
                                                    : Theme.flash.hardShake) * scaling
        shakeAnimation.restart()
    }

    // A power-up taken, by its kind.
    function takePowerUp(kind) {
        if (reducedMotion)
            return
        flash.color = kind === "clear" ? Theme.flash.clear
                    : (kind === "dash" ? Theme.flash.dash : Theme.flash.shield)
        flashAnimation.restart()
    }

    Backdrop {
        anchors.fill: parent
        scroll: view.session.drawnCameraY * view.unit
    }

    Item {
        id: shake
        property real amplitude: 0
        property real offset: 0
        width: parent.width
        height: parent.height
        x: offset

        SequentialAnimation {
            id: shakeAnimation
            NumberAnimation { target: shake; property: "offset"; to: shake.amplitude; duration: 40 }
            NumberAnimation { target: shake; property: "offset"; to: -shake.amplitude; duration: 60 }
            NumberAnimation { target: shake; property: "offset"; to: shake.amplitude / 2; duration: 50 }
            NumberAnimation { target: shake; property: "offset"; to: 0; duration: 40 }
        }

        // The whole tower in one item; the camera moves it, nothing else.
        Item {
            id: world
            objectName: "world"
            width: parent.width
            y: view.height + view.session.drawnCameraY * view.unit

            function px(worldX) {
                return (worldX + view.session.fieldWidth / 2) * view.unit
            }

            // The launch pad, until the first jump.
            Rectangle {
                visible: view.session.padVisible
                x: world.px(-Theme.tower.padWidth / 2)
                y: 0
                width: Theme.tower.padWidth * view.unit
                height: Theme.tower.padHeight * view.unit
                radius: height / 2
                color: Theme.accent
            }

            DeathMarker {
                visible: view.deathMarker !== null
                y: view.deathMarker ? -view.deathMarker.y * view.unit : 0
                width: world.width
                badgeX: world.px(view.deathMarker ? view.deathMarker.x : 0)
                scaling: view.scaling
            }

            Repeater {
                objectName: "itemPool"
                model: view.session.items

                TowerPiece {
                    visible: present
                    x: world.px(itemShift === 0 ? itemLeft
                                                : itemLeft - (1 - view.session.stepFraction) * itemShift)
                    y: -(itemBottom + itemHeight) * view.unit
                    width: itemWidth * view.unit
                    height: itemHeight * view.unit
                    kind: model.kind
                    moving: model.moving
                    powerUp: model.powerUp
                    number: model.kind === "wall" && index % 5 === 0 && model.section >= 0
                            ? model.section + 1 : -1
                    unit: view.unit
                    live: view.live
                }
            }

            GhostFace {
                session: view.session
                unit: view.unit
                source: view.skinSource
            }

            GameCharacter {
                readonly property real size: 2 * view.session.characterRadius * view.unit
                x: world.px(view.session.drawnPlayerX) - size / 2
                y: -view.session.drawnPlayerY * view.unit - size / 2
                width: size
                height: size
                session: view.session
                skinSource: view.skinSource
            }
        }
    }

    Rectangle {
        id: flash
        objectName: "flash"
        anchors.fill: parent
        opacity: 0
        visible: opacity > 0.01

        SequentialAnimation {
            id: flashAnimation
            PropertyAction { target: flash; property: "opacity"; value: Theme.flash.opacity }
            NumberAnimation { target: flash; property: "opacity"; to: 0; duration: 260 }
        }
    }
}

import QtQuick 2.6

// The ghost: an earlier run on this tower, climbing beside the player's as a
// translucent face. One item for the whole run, placed inside the world item
// (which the camera moves) from the session's drawn ghost position.
Image {
    id: ghost
    objectName: "ghost"

    property var session
    // Pixels per world unit, as the game page draws the world.
    property real unit: 1
    readonly property real size: session ? 2 * session.characterRadius * unit : 0

    visible: session !== null && session !== undefined && session.ghostActive
    x: visible ? (session.drawnGhostX + session.fieldWidth / 2) * unit - size / 2 : 0
    y: visible ? -session.drawnGhostY * unit - size / 2 : 0
    width: size
    height: size
    opacity: visible && session.ghostOver ? 0.2 : 0.45
    sourceSize.width: 128
    sourceSize.height: 128
    smooth: true
}

import QtQuick 2.6

// Test stand-in: records what the app asks for.
QtObject {
    property bool preventBlanking: false
}

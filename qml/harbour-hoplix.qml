import QtQuick 2.6

// Hoplix starts here and picks its shell: Silica's pages, pull-down menus and
// cover where the Sailfish.Silica module can be imported (the phone), a plain
// Qt Quick window elsewhere. Both host the same pages and game from pages/.
// Start-up says what the view's engine can import in `platformModules` before
// it loads this file; without it (a bare view) the desktop shell is used.
Item {
    id: entry

    readonly property bool silica: typeof platformModules !== "undefined"
                                   && platformModules.silica === true

    width: 540
    height: 960

    Loader {
        id: shell
        objectName: "shellLoader"
        anchors.fill: parent
        focus: true
        source: entry.silica ? "sailfish/SilicaShell.qml" : "desktop/DesktopShell.qml"
    }
}

import QtQuick 2.6
import org.hoplix.hoplix 1.0

// Sound, vibration and motion: each choice is stored at once and the game
// follows it on its next event.
Column {
    id: panel

    property FrontEndSettings settings
    property QtObject look: Look {}

    spacing: look.spacing

    SectionHeader {
        look: panel.look
        width: parent.width
        text: qsTr("Sound and touch")
    }

    OptionRow {
        objectName: "soundOption"
        look: panel.look
        width: parent.width
        label: qsTr("Sound")
        options: [{ value: true, text: qsTr("On") }, { value: false, text: qsTr("Off") }]
        value: panel.settings.soundEnabled
        onPicked: panel.settings.soundEnabled = value
    }

    OptionRow {
        objectName: "volumeOption"
        look: panel.look
        width: parent.width
        visible: panel.settings.soundEnabled
        label: qsTr("Volume")
        options: [{ value: 0.25, text: "25 %" }, { value: 0.5, text: "50 %" },
                  { value: 0.8, text: "80 %" }, { value: 1, text: "100 %" }]
        value: panel.settings.soundVolume
        onPicked: panel.settings.soundVolume = value
    }

    OptionRow {
        objectName: "vibrationOption"
        look: panel.look
        width: parent.width
        label: qsTr("Vibration")
        options: [{ value: true, text: qsTr("On") }, { value: false, text: qsTr("Off") }]
        value: panel.settings.vibrationEnabled
        onPicked: panel.settings.vibrationEnabled = value
    }

    OptionRow {
        objectName: "motionOption"
        look: panel.look
        width: parent.width
        label: qsTr("Screen shake and flashes")
        options: [{ value: false, text: qsTr("On") }, { value: true, text: qsTr("Off") }]
        value: panel.settings.reducedMotion
        onPicked: panel.settings.reducedMotion = value
    }
}

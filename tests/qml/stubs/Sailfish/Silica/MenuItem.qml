import QtQuick 2.6

// Test stand-in: the entries sit out of sight above the page, so only their
// text and their signal matter.
Text {
    signal clicked()
}

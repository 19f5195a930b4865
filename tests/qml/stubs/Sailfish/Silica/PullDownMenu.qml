import QtQuick 2.6

// Test stand-in: the entries sit above the flickable's content, out of sight.
Column {
    width: parent ? parent.width : 0
    y: -height
}

import QtQuick 2.6

Rectangle { color: "#d02a2e3e" }

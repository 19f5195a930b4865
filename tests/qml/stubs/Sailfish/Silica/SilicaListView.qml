import QtQuick 2.6

ListView {}

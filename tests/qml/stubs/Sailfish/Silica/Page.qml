import QtQuick 2.6
import Sailfish.Silica 1.0

// Test stand-in: a page as the stack sees it.
Item {
    property int status: PageStatus.Inactive
    property bool backNavigation: true
    visible: status === PageStatus.Active
}

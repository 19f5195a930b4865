import QtQuick 2.6

// Test stand-in for what only matters on a phone (the pull-down menu, the
// cover's action list, scroll decorators): present and holding what is put
// in it, but never drawn.
Item { visible: false }

import QtQuick 2.6

// Test stand-in for items that only matter on a phone (the cover's action
// list, scroll decorators): present, invisible, holding what is put in them.
Item {}

import QtQuick 2.6

// Test stand-in: the states of a page that the app looks at.
QtObject {
    enum Status { Inactive, Active, Deactivating }
}

import QtQuick 2.6

// Test stand-in: PageStatus.Inactive ... PageStatus.Deactivating.
QtObject {
    enum Status { Inactive, Activating, Active, Deactivating }
}

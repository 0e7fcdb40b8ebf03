import QtQuick 2.12

// The telemetry services' state, from the property objects the bridge publishes.
Rectangle {
    height: 34
    color: "#3b2a20"

    Row {
        anchors { left: parent.left; verticalCenter: parent.verticalCenter; leftMargin: 16 }
        spacing: 28

        StatusItem {
            objectName: "amiCloStatus"
            label: "AmiClo"
            value: AmiClo.active ? "active" : "inactive"
            good: AmiClo.active
        }
        StatusItem {
            objectName: "televendStatus"
            label: "Televend"
            value: Televend.cloudConnectionStatusString
            good: Televend.isCloudConnected
        }
        StatusItem {
            objectName: "newDigitalStatus"
            label: "NewDigital"
            value: NewDigital.enabled ? NewDigital.cloudConnectionStatusString : "disabled"
            good: NewDigital.isCloudConnected
        }
    }
}

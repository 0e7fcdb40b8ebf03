import QtQuick 2.12

// A coin slot button: inserts a coin of `value` (smallest currency unit).
Rectangle {
    property int value
    width: 84
    height: 34
    radius: 17
    color: "#efe7da"
    border { width: 1; color: "#c9b79c" }

    Text {
        anchors.centerIn: parent
        text: "+ " + Showcase.priceTextOf(parent.value)
        font.pixelSize: 15
        color: "#3b2a20"
    }
    MouseArea {
        anchors.fill: parent
        onClicked: Machine.insertCoin(parent.value)
    }
}

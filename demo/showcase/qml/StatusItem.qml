import QtQuick 2.12

Row {
    property string label
    property string value
    property bool good: false
    spacing: 6

    Rectangle {
        anchors.verticalCenter: parent.verticalCenter
        width: 10
        height: 10
        radius: 5
        color: good ? "#5fd16b" : "#e0a03a"
    }
    Text {
        color: "#f4f1ec"
        font.pixelSize: 14
        text: label + ": " + value
    }
}

import QtQuick 2.12

Rectangle {
    id: tile
    property var product
    property bool selected: false
    signal clicked()

    width: 180
    height: 190
    radius: 8
    color: "white"
    border { width: selected ? 4 : 1; color: selected ? "#d9822b" : "#d8d2c8" }

    Image {
        objectName: "tileImage"
        property int productId: tile.product.id
        anchors { horizontalCenter: parent.horizontalCenter; top: parent.top; topMargin: 14 }
        width: 110
        height: 110
        source: tile.product.image
        // Each file is shown by one tile only; the shared pixmap cache would
        // keep the images for the whole process.
        cache: false
        smooth: false
    }

    Text {
        anchors { horizontalCenter: parent.horizontalCenter; bottom: price.top; bottomMargin: 2 }
        text: tile.product.name
        font.pixelSize: 17
        color: "#3b2a20"
    }

    Text {
        id: price
        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 10 }
        text: tile.product.priceText
        font { pixelSize: 15; bold: true }
        color: "#8a5a2b"
    }

    MouseArea {
        anchors.fill: parent
        onClicked: tile.clicked()
    }
}

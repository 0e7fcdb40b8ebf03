import QtQuick 2.12
import QtQuick.Window 2.12

Window {
    id: window
    width: 960
    height: 600
    visible: true
    title: "Vending bridge showcase"
    color: "#f4f1ec"

    StatusBar {
        id: statusBar
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
    }

    Text {
        id: heading
        anchors { left: parent.left; top: parent.top; margins: 24 }
        text: "Hot drinks"
        font { pixelSize: 28; bold: true }
        color: "#3b2a20"
    }

    Grid {
        id: menu
        objectName: "menu"
        anchors { left: parent.left; top: heading.bottom; margins: 24 }
        columns: 3
        spacing: 16
        Repeater {
            model: Showcase.products
            ProductTile {
                product: modelData
                selected: Showcase.selectedProduct === modelData.id
                onClicked: Showcase.select(modelData.id)
            }
        }
    }

    OrderPanel {
        anchors { left: menu.right; right: parent.right; top: heading.bottom; bottom: statusBar.top; margins: 24 }
    }
}

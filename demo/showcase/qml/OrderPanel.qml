import QtQuick 2.12

Rectangle {
    radius: 8
    color: "white"
    border { width: 1; color: "#d8d2c8" }

    Column {
        anchors { fill: parent; margins: 20 }
        spacing: 14

        Text {
            text: "Your order"
            font { pixelSize: 22; bold: true }
            color: "#3b2a20"
        }
        Text {
            objectName: "selectionText"
            width: parent.width
            wrapMode: Text.Wrap
            font.pixelSize: 17
            text: {
                var products = Showcase.products
                for (var i = 0; i < products.length; ++i) {
                    if (products[i].id === Showcase.selectedProduct)
                        return products[i].name + " – " + products[i].priceText
                }
                return "Choose a drink"
            }
        }
        Text {
            font.pixelSize: 17
            text: "Credit: " + Showcase.creditText
        }
        Row {
            spacing: 8
            CoinButton { value: 50 }
            CoinButton { value: 100 }
            CoinButton { value: 200 }
        }
        Rectangle {
            objectName: "buyButton"
            width: parent.width
            height: 44
            radius: 6
            color: Showcase.selectedProduct >= 0 ? "#d9822b" : "#c9c3b9"
            Text {
                anchors.centerIn: parent
                text: "Buy"
                color: "white"
                font { pixelSize: 18; bold: true }
            }
            MouseArea {
                anchors.fill: parent
                enabled: Showcase.selectedProduct >= 0
                onClicked: Showcase.buy()
            }
        }
        Text {
            objectName: "dispensingText"
            font.pixelSize: 16
            text: Showcase.dispensingText
            color: "#3b2a20"
        }
        Rectangle {
            objectName: "progressTrack"
            width: parent.width
            height: 14
            radius: 7
            color: "#ece6dc"
            Rectangle {
                objectName: "progressBar"
                width: parent.width * Showcase.dispensingProgress
                height: parent.height
                radius: 7
                color: "#3c9d4e"
                Behavior on width { NumberAnimation { duration: 250 } }
            }
        }
        Text {
            font.pixelSize: 14
            color: "#7a6f63"
            text: "Machine: " + Showcase.machineState
        }
    }
}

#pragma once

#include <QColor>
#include <QString>
#include <vector>

namespace bridge {
class Bridge;
}

namespace showcase {

/// One drink of the showcase's menu: its name, price and image colour.
struct MenuItem
{
    QString name;
    int price;
    QColor colour;
};

/// The drinks the showcase offers when nothing else seeds the machine.
std::vector<MenuItem> defaultMenu();

/// Stores the menu in the loaded configuration through the bridge's accessors,
/// as the operator's editor would: a one-step recipe, a beverage, its name, its
/// price, a solid-colour image written under `imageDirectory`, and one displayed
/// category with every drink. False, with a message on stderr, on a failure.
bool seedMenu(bridge::Bridge& bridge, const std::vector<MenuItem>& menu, const QString& imageDirectory);

/// Gives every displayed product without an image a solid-colour PNG written
/// under `imageDirectory`, each in a colour of its own. False, with a message
/// on stderr, on a failure.
bool giveImages(bridge::Bridge& bridge, const QString& imageDirectory);

} // namespace showcase

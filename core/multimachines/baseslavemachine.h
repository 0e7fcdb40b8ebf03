#pragma once

#include <QObject>

namespace MultiMachines {

/// A slave machine attached to this one.
class BaseSlaveMachine : public QObject
{
    Q_OBJECT

public:
    /// How the customer selects the slave's products.
    enum SlaveSelectionType : int {
        SelectionOnMaster = 0,
        SelectionOnSlave = 1,
        SelectionOnBoth = 2,
        SelectionDisabled = 3,
    };
    Q_ENUM(SlaveSelectionType)

    explicit BaseSlaveMachine(SlaveSelectionType type, QObject* parent = nullptr)
        : QObject(parent)
        , m_selectionType(type)
    {
    }

    SlaveSelectionType selectionType() const { return m_selectionType; }

private:
    SlaveSelectionType m_selectionType;
};

} // namespace MultiMachines

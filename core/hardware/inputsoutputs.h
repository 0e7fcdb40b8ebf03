#pragma once

/// Numbering of the machine's actuators as the recipes see them.
class InputsOutputs
{
public:
    /// A logical pump; NoLogicalPump marks a physical pump that serves none.
    enum LogicalPumpId : int {
        NoLogicalPump = 0,
        FirstLogicalPump = 1,
        LastLogicalPump = 21,
    };
    /// A boiler whose temperature the energy-saving modes lower.
    enum Boiler : int {
        Boiler0 = 0,
        Boiler1 = 1,
    };
};

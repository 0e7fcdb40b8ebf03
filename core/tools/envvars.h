#pragma once

/// Switches the core takes from the process environment, read once on first use.
class EnvVars
{
public:
    enum Bool : int {
        /// The machine works with the MACAS selection terminal (variable VENDING_MACAS=1).
        Macas = 0,
    };

    static bool isSet(Bool variable);
    /// Overrides what the environment said (simulator hook).
    static void set(Bool variable, bool value);
};

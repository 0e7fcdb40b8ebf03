#pragma once

/// Switches of the machine's software taken from the process environment: a
/// switch is on when its variable is set to anything but "" or "0".
class EnvVars
{
public:
    enum Bool : int {
        /// "VENDING_MACAS": the machine works with the MACAS selection terminal.
        Macas = 0,
        /// "VQ_IGNORE_INTERNET_DATE": keep the machine's date when setting the time.
        IgnoreInternetDate = 1,
    };

    static bool isSet(Bool variable);
    static const char* name(Bool variable);
    /// Overrides what the environment says (simulator hook).
    static void set(Bool variable, bool value);
};

#pragma once

/// The core's boolean environment switches, read once from the process
/// environment ("VQ_<NAME>" set to 1); the simulator may set them.
class EnvVars
{
public:
    enum Switch : int {
        Macas = 0, ///< the machine runs for the Macas payment integration
        IgnoreInternetDate = 1,
    };

    static bool value(Switch name);
    static void setValue(Switch name, bool on);
};

#pragma once

#include <cstdint>

namespace lea {
namespace maintenance {

/// The kinds of rinsing; what each rinses belongs to the machine. 13 and 14
/// are reserved by the interface layer and unknown to this machine.
enum RinsingType : int32_t {
    Rinsing0 = 0,
    Rinsing1 = 1,
    Rinsing2 = 2,
    Rinsing3 = 3,
    Rinsing4 = 4,
    Rinsing5 = 5,
    Rinsing6 = 6,
    Rinsing7 = 7,
    Rinsing8 = 8,
    Rinsing9 = 9,
    Rinsing10 = 10,
    Rinsing11 = 11,
    Rinsing12 = 12,
    Rinsing13 = 13,
    Rinsing14 = 14,
    Rinsing15 = 15,
    Rinsing16 = 16,
};

/// The days a scheduled rinsing runs on.
enum RinsingDays : int32_t {
    Monday = 0,
    Tuesday = 1,
    Wednesday = 2,
    Thursday = 3,
    Friday = 4,
    Saturday = 5,
    Sunday = 6,
    EveryDay = 7,
    WorkingDays = 8,
    Weekend = 9,
};

} // namespace maintenance
} // namespace lea

#pragma once

#include <cstdint>

/// The machine models in the core's numbering. The core knows them by number
/// only; the fixed underlying type lets any number a board reports be held
/// and refused later by the converters.
enum class MachineModel : int32_t {
    Model0 = 0,
    Model1 = 1,
    Model2 = 2,
    Model3 = 3,
    Model4 = 4,
    Model5 = 5,
    Model6 = 6,
};

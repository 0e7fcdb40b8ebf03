#pragma once

#include "lea/maintenance/failures.h"

class Failure;

namespace bridge {

/// Turns core failures into the interface's failure records.
class FailuresConverter
{
public:
    static lea::maintenance::Failures::FailureInfo coreFailureToLeaFailureData(const Failure& failure);
};

} // namespace bridge

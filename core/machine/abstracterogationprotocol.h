#pragma once

/// The protocol that drives the actuator board; the stand-in keeps only the
/// value types that dispensing requests name.
class AbstractErogationProtocol
{
public:
    /// What a test dispensing of a recipe checks.
    enum ErogationTestType : int {
        FirstErogationTest = 0,
        LastErogationTest = 4,
    };

    /// The kind of a dispensing the board runs.
    enum ErogationType : int {
        GrinderCalibrationErogation = 10,
    };
};

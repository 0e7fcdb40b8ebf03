#pragma once

#include <QObject>

/// The protocol by which the machine's boards run a dispensing; the stand-in
/// keeps the value types that dispensing requests name.
class AbstractErogationProtocol : public QObject
{
    Q_OBJECT

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

    /// A boiler the operator may install by hand.
    enum Boilers : int {
        EspressoBoiler = 0,
        InstantBoiler = 1,
    };
    Q_ENUM(Boilers)

    explicit AbstractErogationProtocol(QObject* parent = nullptr)
        : QObject(parent)
    {
    }
    ~AbstractErogationProtocol() override = default;
};

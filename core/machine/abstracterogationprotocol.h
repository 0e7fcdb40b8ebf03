#pragma once

#include <QObject>

/// The protocol by which the machine's boards run a dispensing.
class AbstractErogationProtocol : public QObject
{
    Q_OBJECT

public:
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

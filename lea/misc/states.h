#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <functional>
#include <QObject>

namespace lea {
namespace misc {

/// Accessor of the machine state and the dispensing state.
class States : public QObject
{
    Q_OBJECT

public:
    enum State : int32_t {
        Unknown = 0,
        Initialising = 1,
        HeatingUp = 2,
        Ready = 3,
        Selecting = 4,
        AwaitingPayment = 5,
        EnergySaving = 6,
        Failure = 7,
        Cleaning = 8,
        Maintenance = 9,
        Programming = 10,
        OutOfService = 11,
        Dispensing = 12,
        Updating = 13,
    };
    Q_ENUM(State)

    enum ErogationState : int32_t {
        NoErogation = 0,
        Erogating = 1,
        WaitingCupRemoval = 2,
        ErogationFailed = 3,
        ErogationCanceled = 4,
        ErogationTesting = 5,
    };
    Q_ENUM(ErogationState)

    /// The machine at one moment: its state, the dispensing state and what it is busy with.
    struct Status
    {
        State state = Unknown;
        ErogationState erogationState = NoErogation;
        /// The machine is in an energy-saving mode.
        bool energySaving = false;
        /// The machine is cleaning or rinsing.
        bool cleaning = false;
        /// The low byte of the controller board's status word.
        quint8 statusByte = 0;
        /// A promotion is being dispensed.
        nonstd::optional<bool> promotionDispensing = false;
        /// A selection is pending.
        nonstd::optional<bool> selectionPending = false;
        /// A snack is being dispensed.
        nonstd::optional<bool> snackDispensing = false;
        /// A coffee-to-go product is being dispensed.
        nonstd::optional<bool> coffeeToGoDispensing = false;
        /// Reserved.
        nonstd::optional<bool> reserved = false;
        /// The operator has locked dispensing.
        nonstd::optional<bool> erogationLocked = false;
    };

    ~States() override = default;

    virtual Status status() const = 0;
    /// Queues long configuration work on the machine; `cancelHandler` runs if
    /// the machine cancels it instead.
    virtual void addConfigurationTask(std::function<void()>&& task, std::function<void()>&& cancelHandler)
        = 0;

signals:
    /// The state or the dispensing state changed.
    void stateChanged();
    void erogationStarted();
    void erogationFailed();
    void erogationDone();
    /// The dispensed product is ready to be taken.
    void takeTheProduct();
    void erogationTakeCup();
    void erogationDoneCupRemoved();
    void lastActiveTestChanged();
    void notEnoughCredit();
    void checkCreditNoCancel();
    void checkCreditWithCancel();

protected:
    explicit States(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace misc
} // namespace lea

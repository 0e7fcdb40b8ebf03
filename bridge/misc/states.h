#pragma once

#include "core/machine/erogationmanager.h"
#include "lea/misc/states.h"

namespace bridge {
namespace misc {

/// Folds the machine's CPU state, the progress of the current dispensing,
/// cleaning, energy saving and the selected product into one status record,
/// and relays the machine's dispensing and credit events.
class States : public lea::misc::States
{
    Q_OBJECT

public:
    explicit States(QObject* parent);
    ~States() override;

    Status status() const override;
    void addConfigurationTask(std::function<void()>&& task, std::function<void()>&& cancelHandler) override;

private:
    void connectToCore();
    /// Recomputes the status and emits stateChanged() when the state or the dispensing state changed.
    void refresh();
    /// Recomputes the status; true when the state or the dispensing state changed.
    bool recomputeStatus();
    /// True when the machine state changed. Throws when the CPU state has no interface value.
    bool updateMachineState();

    void onErogationStarted();
    void onErogationFailed();
    void onErogationTakeCup();
    void onErogationDoneCupRemoved();
    void onErogationDone();

    bool m_started = false;
    bool m_failed = false;
    bool m_takeCup = false;
    State m_state = Unknown;
    ErogationManager::ErogationStatus m_erogationState = ErogationManager::Idle;
    bool m_energySaving = false;
    bool m_cleaning = false;
    quint8 m_statusByte = 0;
    nonstd::optional<bool> m_promotionDispensing = false;
    nonstd::optional<bool> m_selectionPending = false;
    nonstd::optional<bool> m_snackDispensing = false;
    nonstd::optional<bool> m_coffeeToGoDispensing = false;
    nonstd::optional<bool> m_reserved = false;
    nonstd::optional<bool> m_erogationLocked = false;
};

} // namespace misc
} // namespace bridge

#pragma once

#include "lea/interface/nativeui.h"

namespace bridge {
namespace interface {

/// The machine's own screen layer: its modules, messages, the customer's
/// activity, stopping the application and the selection mode. Keeps nothing
/// of its own; relays the layer's visibility and selection-mode changes.
class NativeUI : public lea::interface::NativeUI
{
    Q_OBJECT

public:
    explicit NativeUI(QObject* parent);
    ~NativeUI() override;

    ModulesVisibility modulesVisibility() const override;
    void leaveTechnicalMenu() const override;
    void showMessage(const QString& text) override;
    /// Not supported: reported as a broken invariant, then nothing happens.
    void showCreditMessage(lea::ProductDbId product) override;
    /// Not supported: warns and returns.
    void showCupPositionMessage() override;
    void setUserActivityDetected() override;
    void terminateApp() override;
    SelectionMode selectionMode() const override;
    void setSelectionMode(SelectionMode mode) override;
};

} // namespace interface
} // namespace bridge

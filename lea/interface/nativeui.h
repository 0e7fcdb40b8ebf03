#pragma once

#include "lea/ids.h"

#include <cstdint>
#include <QObject>
#include <QString>

namespace lea {
namespace interface {

/// Accessor of the machine's own screen layer: its modules, messages, the
/// customer's activity and the selection mode.
class NativeUI : public QObject
{
    Q_OBJECT

public:
    /// How drinks are selected; the machine's own numbering.
    enum SelectionMode : int32_t {
        SelectionMode0 = 0,
        SelectionMode1 = 1,
    };
    Q_ENUM(SelectionMode)

    /// Which of the screen layer's own modules are visible.
    struct ModulesVisibility
    {
        bool technicalMenu = false;
        bool initLoading = false;
        bool screenSaver = false;
    };

    ~NativeUI() override = default;

    virtual ModulesVisibility modulesVisibility() const = 0;
    /// Hides the technical menu when it is shown.
    virtual void leaveTechnicalMenu() const = 0;
    virtual void showMessage(const QString& text) = 0;
    /// Not offered by this machine.
    virtual void showCreditMessage(lea::ProductDbId product) = 0;
    /// Not offered by this machine: warns and returns.
    virtual void showCupPositionMessage() = 0;
    virtual void setUserActivityDetected() = 0;
    /// Stops the application when the machine allows it.
    virtual void terminateApp() = 0;
    virtual SelectionMode selectionMode() const = 0;
    virtual void setSelectionMode(SelectionMode mode) = 0;

signals:
    void technicalMenuVisibilityChanged();
    void initLoadingVisibilityChanged();
    void screensaverInactivityDetected();
    void screenSaverExited();
    void selectionModeChanged();

protected:
    explicit NativeUI(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea

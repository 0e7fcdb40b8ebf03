#pragma once

#include <cstdint>
#include <QDateTime>
#include <QObject>

namespace lea {
namespace interface {

/// Accessor of the user-interface options: the selection screen's set-up, the
/// accessible interface and what the screens show.
class UIOptions : public QObject
{
    Q_OBJECT

public:
    /// How the selection screen is set up; the machine's own numbering.
    enum SelectionModeSetup : int32_t {
        SelectionModeSetup0 = 0,
        SelectionModeSetup1 = 1,
        SelectionModeSetup2 = 2,
    };
    Q_ENUM(SelectionModeSetup)

    /// The selection screen's set-up.
    struct SetupUI
    {
        SelectionModeSetup selectionModeSetup = SelectionModeSetup0;
        bool directSelectionFlag = false;
        /// The customer chooses where the drink is delivered.
        bool chooseWhereDelivery = false;
    };

    /// Whether the accessible interface is offered, and whether it is the one shown first.
    struct DisabilityUI
    {
        bool allowed = false;
        bool isDefault = false;
    };

    /// What the screens show.
    struct Informations
    {
        bool generalFlagA = false;
        bool generalFlagB = false;
        bool generalFlagC = false;
        bool quickSelectionEnabled = false;
        /// Until when the quick-selection warning is shown.
        QDateTime warningDisplayEnd;
        bool soundEnabled = false;
        bool generalFlagD = false;
    };

    ~UIOptions() override = default;

    virtual DisabilityUI disabilityUI() const = 0;
    virtual Informations informations() const = 0;
    virtual SetupUI setupUI() const = 0;

signals:
    void disabilityUIChanged();
    void informationsChanged();

protected:
    explicit UIOptions(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea

#pragma once

#include "lea/interface/uioptions.h"

#include <QMetaObject>
#include <vector>

class Configuration;

namespace bridge {
namespace interface {

/// The user-interface options of the loaded configuration: the selection
/// screen's set-up, the accessible interface and what the screens show.
/// Relays the changes of whichever configuration is loaded.
class UIOptions : public lea::interface::UIOptions
{
    Q_OBJECT

public:
    explicit UIOptions(QObject* parent);
    ~UIOptions() override;

    DisabilityUI disabilityUI() const override;
    Informations informations() const override;
    SetupUI setupUI() const override;

private slots:
    void onConfigurationChanged();

private:
    /// The relays to the configuration last loaded; dropped on a replacement.
    std::vector<QMetaObject::Connection> m_connections;
};

} // namespace interface
} // namespace bridge

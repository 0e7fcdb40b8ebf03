#pragma once

#include "lea/maintenance/configurations.h"

namespace bridge {
namespace maintenance {

/// Which configuration database the machine runs on, switching to another one
/// and restoring one from its factory copy. A configuration name is a file base
/// name: one that would reach another directory is refused.
class Configurations : public lea::maintenance::Configurations
{
    Q_OBJECT

public:
    explicit Configurations(QObject* parent);
    ~Configurations() override;

    nonstd::optional<Configuration> configuration() const override;
    /// False, with the machine on the configuration it ran on, when the
    /// database does not exist or the core refuses either step.
    bool selectConfiguration(const Configuration& configuration) override;
    bool restoreFactory(const QString& name) override;
};

} // namespace maintenance
} // namespace bridge

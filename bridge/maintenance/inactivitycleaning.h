#pragma once

#include "lea/maintenance/inactivitycleaning.h"

namespace bridge {
namespace maintenance {

/// The rinsings the loaded configuration runs after a period without use, and
/// the announcement of their saves. Keeps nothing of its own.
class InactivityCleaning : public lea::maintenance::InactivityCleaning
{
    Q_OBJECT

public:
    explicit InactivityCleaning(QObject* parent);
    ~InactivityCleaning() override;

    std::vector<Settings> cleanings() const override;
};

} // namespace maintenance
} // namespace bridge

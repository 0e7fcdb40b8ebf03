#pragma once

#include "lea/staticsettings/operator.h"

namespace bridge {
namespace staticsettings {

/// The operator's information fields of the loaded configuration.
class Operator : public lea::staticsettings::Operator
{
    Q_OBJECT

public:
    explicit Operator(QObject* parent);
    ~Operator() override;

    Informations informations() const override;
};

} // namespace staticsettings
} // namespace bridge

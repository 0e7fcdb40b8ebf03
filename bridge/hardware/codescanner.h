#pragma once

#include "lea/hardware/codescanner.h"

namespace bridge {
namespace hardware {

/// The code scanner: the interface's own behaviour is all it offers, so that
/// the accessor can be made on this machine.
class CodeScanner : public lea::hardware::CodeScanner
{
    Q_OBJECT

public:
    explicit CodeScanner(QObject* parent);
    ~CodeScanner() override;
};

} // namespace hardware
} // namespace bridge

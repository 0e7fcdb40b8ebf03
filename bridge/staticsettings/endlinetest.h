#pragma once

#include "lea/staticsettings/endlinetest.h"

namespace bridge {
namespace staticsettings {

/// The end-of-line test flag of the loaded configuration, with its changes
/// relayed from whichever configuration is loaded.
class EndLineTest : public lea::staticsettings::EndLineTest
{
    Q_OBJECT

public:
    explicit EndLineTest(QObject* parent);
    ~EndLineTest() override;

    /// Stores the flag; a refused save is logged and changes nothing.
    bool setEndLineTestEnabled(bool enabled) override;
    bool endLineTestEnabled() const override;
};

} // namespace staticsettings
} // namespace bridge

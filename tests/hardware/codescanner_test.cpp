#include "bridge/hardware/codescanner.h"
#include "bridge/hardware/factory.h"
#include "support/machinetest.h"
#include "support/qtmessagecapture.h"

#include <memory>

namespace {

using CodeScannerTest = MachineTest;

TEST_F(CodeScannerTest, TheFactoryMakesTheBridgeScannerUnderTheGivenParentSilently)
{
    bridge::hardware::Factory factory;
    QObject parent;
    QtMessageCapture capture;
    auto& maker = static_cast<lea::priv::AbstractFactoryImp<lea::hardware::CodeScanner>&>(factory);
    auto* scanner = dynamic_cast<bridge::hardware::CodeScanner*>(maker.createImp(nullptr, &parent));
    ASSERT_TRUE(scanner);
    EXPECT_EQ(scanner->parent(), &parent);
    EXPECT_TRUE(capture.messages().isEmpty());
    EXPECT_TRUE(logEntries().isEmpty());
}

} // namespace

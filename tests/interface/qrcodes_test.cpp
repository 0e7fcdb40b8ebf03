#include "bridge/interface/loyaltyqrcode.h"
#include "bridge/interface/receiptqrcode.h"
#include "bridge/interface/selectionqrcode.h"
#include "core/configuration/configuration.h"
#include "core/configuration/generalsettings.h"
#include "core/loyalty/loyaltymanager.h"
#include "core/machine/machine.h"
#include "core/machine/selectionqrcode.h"
#include "support/accessors.h"
#include "support/machinetest.h"

#include <limits>
#include <QSignalSpy>

namespace {

// What a test needs of each QR code: its accessor, and fitting and reaching its core code.
struct SelectionCode
{
    using Interface = lea::interface::SelectionQRCode;
    using Accessor = bridge::interface::SelectionQRCode;
    static void fit(bool fitted) { gCoreEnv->machine()->setSelectionQrCodeFitted(fitted); }
    static AbstractQrCode* code() { return gCoreEnv->machine()->selectionQrCode(); }
};

struct ReceiptCode
{
    using Interface = lea::interface::ReceiptQRCode;
    using Accessor = bridge::interface::ReceiptQRCode;
    static void fit(bool fitted) { gCoreEnv->machine()->setReceiptQrCodeFitted(fitted); }
    static AbstractQrCode* code() { return gCoreEnv->machine()->receiptQrCode(); }
};

struct LoyaltyCode
{
    using Interface = lea::interface::LoyaltyQRCode;
    using Accessor = bridge::interface::LoyaltyQRCode;
    static void fit(bool fitted) { gCoreEnv->setLoyaltyManagerFitted(fitted); }
    static AbstractQrCode* code()
    {
        return gCoreEnv->loyaltyManager() ? gCoreEnv->loyaltyManager()->qrCode() : nullptr;
    }
};

template <class Code> class QRCodeTest : public MachineTest
{
protected:
    std::unique_ptr<typename Code::Accessor> make()
    {
        return createAccessor<typename Code::Interface, typename Code::Accessor>();
    }
};

using Codes = ::testing::Types<SelectionCode, ReceiptCode, LoyaltyCode>;
TYPED_TEST_SUITE(QRCodeTest, Codes);

TYPED_TEST(QRCodeTest, DataIsTheCoreCodesTextAndEachChangeIsRelayed)
{
    TypeParam::fit(true);
    const auto accessor = this->make();
    ASSERT_TRUE(accessor);
    QSignalSpy spy(accessor.get(), &TypeParam::Interface::dataChanged);
    EXPECT_EQ(accessor->data(), QString());
    TypeParam::code()->setData(QStringLiteral("https://pay.example/q?a=1"));
    EXPECT_EQ(accessor->data(), QStringLiteral("https://pay.example/q?a=1"));
    EXPECT_EQ(spy.count(), 1);
}

TYPED_TEST(QRCodeTest, WithoutTheCoreCodeDataIsEmpty)
{
    TypeParam::fit(false);
    const auto accessor = this->make();
    ASSERT_TRUE(accessor);
    EXPECT_EQ(accessor->data(), QString());
}

class SelectionQRCodeTest : public MachineTest
{
};

TEST_F(SelectionQRCodeTest, TheMachinesPartReachesTheCoreCodeWhenItExists)
{
    loadConfiguration();
    auto accessor = createAccessor<lea::interface::SelectionQRCode, bridge::interface::SelectionQRCode>();
    accessor->setMachine({ -4, QStringLiteral("https://m.example/7") });
    EXPECT_EQ(accessor->machine().id, -4);
    EXPECT_EQ(accessor->machine().url, QStringLiteral("https://m.example/7"));

    gCoreEnv->configuration()->generalSettings()->setQrCodeMode(GeneralSettings::QRCodeMode2);
    EXPECT_EQ(accessor->mode(), lea::interface::SelectionQRCode::Mode2);

    gCoreEnv->machine()->setSelectionQrCodeFitted(false);
    accessor->setMachine({ 9, QStringLiteral("https://m.example/9") });
    EXPECT_EQ(accessor->machine().url, QString());
}

TEST_F(SelectionQRCodeTest, ReceiptNumbersAreSignExtended)
{
    loadConfiguration();
    const int low = std::numeric_limits<int>::min();
    gCoreEnv->configuration()->generalSettings()->setReceiptQrCode(true, low, -1);
    auto accessor = createAccessor<lea::interface::ReceiptQRCode, bridge::interface::ReceiptQRCode>();
    const auto settings = accessor->settings();
    EXPECT_TRUE(settings.enabled);
    EXPECT_EQ(settings.first, int64_t(low));
    EXPECT_EQ(settings.second, -1);
}

TEST_F(SelectionQRCodeTest, LoyaltySettingsTakeTheDateOnlyWhenValid)
{
    auto accessor = createAccessor<lea::interface::LoyaltyQRCode, bridge::interface::LoyaltyQRCode>();
    EXPECT_FALSE(accessor->settings().enabled);
    EXPECT_FALSE(accessor->settings().date);

    gCoreEnv->setLoyaltyManagerFitted(true);
    core::loyalty::Manager& manager = *gCoreEnv->loyaltyManager();
    manager.setEnabled(true);
    manager.setTexts(QStringLiteral("Collect"), QStringLiteral("10 stamps"));
    EXPECT_TRUE(accessor->settings().enabled);
    EXPECT_FALSE(accessor->settings().date);
    EXPECT_EQ(accessor->settings().secondText, QStringLiteral("10 stamps"));
    manager.setLoyaltyDate(QDateTime(QDate(2026, 2, 28), QTime(23, 59), Qt::UTC));
    EXPECT_EQ(accessor->settings().date, QDate(2026, 2, 28));
}

} // namespace

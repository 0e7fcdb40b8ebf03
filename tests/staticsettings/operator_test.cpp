#include "bridge/staticsettings/operator.h"
#include "core/configuration/configuration.h"
#include "support/guardtest.h"

#include <tuple>

namespace {

using LeaOperator = lea::staticsettings::Operator;

auto fields(const LeaOperator::Informations& i)
{
    return std::make_tuple(i.name, i.address, i.phone, i.email);
}

class OperatorTest : public MachineTest
{
};

TEST_F(OperatorTest, InformationsAreTheLoadedConfigurationsOperatorFields)
{
    ConfigurationInformation information;
    information.operatorName = QStringLiteral("Café Müller");
    information.operatorAddress = QStringLiteral("1 Main Street");
    information.operatorPhone = QStringLiteral("+41 00 000 00 00");
    information.operatorEmail = QStringLiteral("ops@example.org");
    loadConfiguration()->setInformation(information);
    const auto op = createAccessor<LeaOperator>();
    ASSERT_TRUE(dynamic_cast<bridge::staticsettings::Operator*>(op.get()));
    EXPECT_EQ(fields(op->informations()),
        std::make_tuple(information.operatorName, information.operatorAddress, information.operatorPhone,
            information.operatorEmail));
}

using Operator = bridge::staticsettings::Operator;
const GuardCase<Operator> kGuarded[] = {
    { "informations",
        [](Operator& o) { return fields(o.informations()) == fields(LeaOperator::Informations {}); } },
};
GUARD_TEST(OperatorGuard, LeaOperator, Operator, kGuarded);

} // namespace

#include "bridge/misc/erogationstateconverter.h"
#include "bridge/misc/stateconverter.h"
#include "bridge/persistence/loglevelconverter.h"
#include "bridge/products/cuptypeconverter.h"
#include "bridge/products/ingredienttypeconverter.h"
#include "bridge/products/logicalingredientconverter.h"
#include "bridge/products/mixerspeedconverter.h"
#include "bridge/products/powdercycleconverter.h"
#include "bridge/products/pressurecurrentconverter.h"
#include "bridge/products/steptypeconverter.h"
#include "bridge/products/watertypeconverter.h"
#include "bridge/staticsettings/stringtypeconverter.h"
#include "bridge/taggedenumconverter.h"
#include "lea/helpers/flags.h"
#include "support/printers.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace testenums {
enum class CoreColour { Red = -3, Green = 0, Blue = 1, Navy = 2, Cyan = 4 };
enum class PaintColour { Red = 3, Blue = 5 };
enum class LeaColour { Red = -10, Green = 11, Blue = 12, Unused = 13 };
enum CoreFlag : unsigned { NoFlag = 0, Sugar = 1, Milk = 2, Cream = 4, Unlisted = 8 };
enum class LeaFlag { None, Sugar, Milk, Cream };
} // namespace testenums

namespace lguim {
using namespace testenums;
template <> struct EnumPairs<CoreColour, LeaColour, void>
{
    // Navy and Cyan fold into Blue; Blue is the one that converts back.
    static constexpr EnumPair<CoreColour, LeaColour> pairs[] = {
        { CoreColour::Red, LeaColour::Red },
        { CoreColour::Green, LeaColour::Green },
        { CoreColour::Blue, LeaColour::Blue },
        { CoreColour::Navy, LeaColour::Blue },
        { CoreColour::Cyan, LeaColour::Blue },
    };
};
template <> struct EnumPairs<PaintColour, LeaColour, void>
{
    static constexpr EnumPair<PaintColour, LeaColour> pairs[] = {
        { PaintColour::Red, LeaColour::Red },
        { PaintColour::Blue, LeaColour::Blue },
    };
};
template <> struct EnumPairs<CoreFlag, LeaFlag, void>
{
    static constexpr EnumPair<CoreFlag, LeaFlag> pairs[] = {
        { NoFlag, LeaFlag::None },
        { Sugar, LeaFlag::Sugar },
        { Milk, LeaFlag::Milk },
        { Cream, LeaFlag::Cream },
    };
};
} // namespace lguim

namespace {
using namespace testenums;
using ColourConverter
    = lguim::TaggedEnumConverter<bridge::CoreEnum, CoreColour, bridge::LeaEnum, LeaColour, void>;
using PaintConverter
    = lguim::TaggedEnumConverter<bridge::CoreEnum, PaintColour, bridge::LeaEnum, LeaColour, void>;
using FlagConverter = lguim::TaggedEnumConverter<bridge::CoreEnum, CoreFlag, bridge::LeaEnum, LeaFlag, void>;

std::string message(const std::function<void()>& f)
{
    try {
        f();
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
    return "no exception";
}

// Properties every converter has, whatever its table.
template <class Converter> class EveryConverter : public ::testing::Test
{
};

using Converters = ::testing::Types<ColourConverter, PaintConverter, FlagConverter,
    bridge::staticsettings::StringTypeConverter, bridge::persistence::LogLevelConverter,
    bridge::misc::StateConverter, bridge::misc::ErogationStateConverter, bridge::products::CupTypeConverter,
    bridge::products::StepTypeConverter, bridge::products::IngredientTypeConverter,
    bridge::products::MixerSpeedConverter, bridge::products::PressureCurrentConverter,
    bridge::products::PowderCycleConverter, bridge::products::WaterTypeConverter,
    bridge::products::LogicalIngredientConverter>;
TYPED_TEST_SUITE(EveryConverter, Converters);

TYPED_TEST(EveryConverter, ListedValuesRoundTripThroughTheDesignatedPartner)
{
    using C = TypeParam;
    ASSERT_FALSE(C::convertibleInternalValues().empty());
    for (const auto internal : C::convertibleInternalValues()) {
        const auto external = C::toExternalOrThrow(internal);
        EXPECT_EQ(C::convertibleExternalValues().count(external), 1u);
        const auto back = C::toInternalOrThrow(external);
        EXPECT_EQ(C::toExternalOpt(back), external);
        int partners = 0;
        for (const auto other : C::convertibleInternalValues())
            partners += C::toExternalOpt(other) == external;
        if (partners == 1) {
            EXPECT_EQ(back, internal);
        }
    }
}

TYPED_TEST(EveryConverter, ValueSetsAreBuiltOnce)
{
    using C = TypeParam;
    EXPECT_EQ(&C::convertibleInternalValues(), &C::convertibleInternalValues());
    EXPECT_EQ(&C::convertibleExternalValues(), &C::convertibleExternalValues());
}

TYPED_TEST(EveryConverter, UnlistedSevenIsRefusedWithTheConverterNamed)
{
    using C = TypeParam;
    using Internal = typename C::Internal;
    if (C::convertibleInternalValues().count(static_cast<Internal>(7))) {
        EXPECT_TRUE(C::toExternalOpt(static_cast<Internal>(7)));
        return;
    }
    EXPECT_FALSE(C::toExternalOpt(static_cast<Internal>(7)));
    EXPECT_EQ(message([] { C::toExternalOrThrow(static_cast<Internal>(7)); }),
        std::string("Invalid internal enum value 7 (") + C::converter() + ")");
}

TEST(SecureEnumConverter, FoldedValuesConvertBackToTheDesignatedOne)
{
    EXPECT_EQ(ColourConverter::toExternalOpt(CoreColour::Navy), LeaColour::Blue);
    EXPECT_EQ(ColourConverter::toExternalOpt(CoreColour::Cyan), LeaColour::Blue);
    EXPECT_EQ(ColourConverter::toInternalOpt(LeaColour::Blue), CoreColour::Blue);
    EXPECT_EQ(ColourConverter::convertibleExternalValues(),
        (std::set<LeaColour> { LeaColour::Red, LeaColour::Green, LeaColour::Blue }));
}

TEST(SecureEnumConverter, UnlistedValuesGiveNothingOrTheExactText)
{
    const std::string name = ColourConverter::converter();
    struct Case
    {
        std::function<void()> convert;
        std::string expected;
    };
    const Case cases[] = {
        { [] { ColourConverter::toExternalOrThrow(static_cast<CoreColour>(-7)); },
            "Invalid internal enum value -7 (" + name + ")" },
        { [] { ColourConverter::toExternalOrThrow(static_cast<CoreColour>(3)); },
            "Invalid internal enum value 3 (" + name + ")" },
        { [] { ColourConverter::toInternalOrThrow(LeaColour::Unused); },
            "Invalid external enum value 13 (" + name + ")" },
        { [] { ColourConverter::toInternalOrThrow(static_cast<LeaColour>(-2147483647 - 1)); },
            "Invalid external enum value -2147483648 (" + name + ")" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(message(c.convert), c.expected);
    EXPECT_FALSE(ColourConverter::toInternalOpt(LeaColour::Unused));
    EXPECT_FALSE(ColourConverter::toExternalOpt(static_cast<CoreColour>(-7)));
}

TEST(SecureEnumConverter, NamesItselfWithBothTypesAndTheTag)
{
    EXPECT_STREQ(bridge::persistence::LogLevelConverter::converter(),
        "static const char* lguim::SecureEnumConverter<InternalType, ExternalType, Tag>::converter() "
        "[with InternalType = LogLevel::Level; ExternalType = lea::persistence::Logs::Level; Tag = void]");
}

TEST(SecureEnumConverter, ConvertersSharingTheInterfaceTypeAreIndependent)
{
    EXPECT_EQ(PaintConverter::toInternalOpt(LeaColour::Red), PaintColour::Red);
    EXPECT_EQ(ColourConverter::toInternalOpt(LeaColour::Red), CoreColour::Red);
    EXPECT_FALSE(PaintConverter::toInternalOpt(LeaColour::Green));
    EXPECT_STRNE(PaintConverter::converter(), ColourConverter::converter());
    EXPECT_EQ(PaintConverter::convertibleInternalValues().size(), 2u);
    EXPECT_EQ(ColourConverter::convertibleInternalValues().size(), 5u);
}

TEST(SecureEnumConverter, FlagSetHoldsTheListedFlagsThatAreSet)
{
    using Set = std::set<LeaFlag>;
    const struct
    {
        unsigned flags;
        Set expected;
    } cases[] = {
        { 0, {} },
        { Unlisted, {} },
        { Milk, { LeaFlag::Milk } },
        { Sugar | Cream | Unlisted, { LeaFlag::Sugar, LeaFlag::Cream } },
        { 0xFFFFFFFFu, { LeaFlag::Sugar, LeaFlag::Milk, LeaFlag::Cream } },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            lea::helpers::internalFlagsToExternalSetSecure<FlagConverter>(static_cast<CoreFlag>(c.flags)),
            c.expected)
            << c.flags;
    }
}

TEST(StringTypeConverter, MatchesValueForValueUpTo21)
{
    using C = bridge::staticsettings::StringTypeConverter;
    for (int k = 0; k <= 21; ++k)
        EXPECT_EQ(C::toExternalOpt(static_cast<TypedString::StringType>(k)),
            static_cast<lea::staticsettings::Languages::StringType>(k));
    EXPECT_FALSE(C::toExternalOpt(static_cast<TypedString::StringType>(22)));
    EXPECT_FALSE(C::toInternalOpt(static_cast<lea::staticsettings::Languages::StringType>(22)));
    EXPECT_FALSE(C::toInternalOpt(static_cast<lea::staticsettings::Languages::StringType>(-1)));
}

TEST(LogLevelConverter, CoreInfoLevelHasNoInterfaceCounterpart)
{
    using C = bridge::persistence::LogLevelConverter;
    const std::pair<lea::persistence::Logs::Level, LogLevel::Level> table[] = {
        { lea::persistence::Logs::Trace, LogLevel::Trace },
        { lea::persistence::Logs::Debug, LogLevel::Debug },
        { lea::persistence::Logs::Warning, LogLevel::Warning },
        { lea::persistence::Logs::Error, LogLevel::Error },
        { lea::persistence::Logs::Fatal, LogLevel::Fatal },
    };
    for (const auto& [external, internal] : table) {
        EXPECT_EQ(C::toInternalOpt(external), internal);
        EXPECT_EQ(C::toExternalOpt(internal), external);
    }
    EXPECT_FALSE(C::toExternalOpt(LogLevel::Info));
}

} // namespace

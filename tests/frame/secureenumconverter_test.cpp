#include "bridge/maintenance/enumconverters.h"
#include "bridge/misc/enumconverters.h"
#include "bridge/payment/enumconverters.h"
#include "bridge/persistence/enumconverters.h"
#include "bridge/products/enumconverters.h"
#include "bridge/staticsettings/enumconverters.h"
#include "bridge/taggedenumconverter.h"
#include "lea/helpers/flags.h"
#include "support/printers.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace testenums {
enum class CoreColour { Red = -3, Green = 0, Blue = 1, Navy = 2, Cyan = 4 };
enum class PaintColour { Red = 3, Blue = 5 };
enum class LeaColour { Red = -1, Green = 0, Blue = 1, Unused = 13 };
enum CoreFlag : unsigned { NoFlag = 0, Sugar = 1, Milk = 2, Cream = 4, Unlisted = 8 };
enum class LeaFlag { None, Sugar, Milk, Cream };
// Values too far apart for a slot per value, on an unsigned and a 64-bit type.
enum SparseBit : unsigned { Bit0 = 1, Bit12 = 1u << 12, Bit30 = 1u << 30, Bit31 = 1u << 31 };
enum class SparseCode : long long { Low = -(1LL << 40), Zero = 0, High = 1LL << 40 };

using ColourConverter = bridge::EnumConverter<CoreColour, LeaColour>;
using PaintConverter = bridge::EnumConverter<PaintColour, LeaColour>;
using FlagConverter = bridge::EnumConverter<CoreFlag, LeaFlag>;
using SparseConverter = bridge::EnumConverter<SparseBit, SparseCode>;
} // namespace testenums

// Navy and Cyan fold into Blue; Blue is the one that converts back. More pairs
// than interface values, and one listed after the folded ones.
template <>
inline constexpr auto lguim::enumPairs<testenums::ColourConverter::Key> { testenums::ColourConverter::pairs({
    { testenums::CoreColour::Red, testenums::LeaColour::Red },
    { testenums::CoreColour::Blue, testenums::LeaColour::Blue },
    { testenums::CoreColour::Navy, testenums::LeaColour::Blue },
    { testenums::CoreColour::Cyan, testenums::LeaColour::Blue },
    { testenums::CoreColour::Green, testenums::LeaColour::Green },
}) };
template <>
inline constexpr auto lguim::enumPairs<testenums::PaintConverter::Key> { testenums::PaintConverter::pairs({
    { testenums::PaintColour::Red, testenums::LeaColour::Red },
    { testenums::PaintColour::Blue, testenums::LeaColour::Blue },
}) };
template <>
inline constexpr auto lguim::enumPairs<testenums::FlagConverter::Key> { testenums::FlagConverter::pairs({
    { testenums::NoFlag, testenums::LeaFlag::None },
    { testenums::Sugar, testenums::LeaFlag::Sugar },
    { testenums::Milk, testenums::LeaFlag::Milk },
    { testenums::Cream, testenums::LeaFlag::Cream },
}) };
// Bit31 folds into Zero after Bit12, which converts back.
template <>
inline constexpr auto lguim::enumPairs<testenums::SparseConverter::Key> { testenums::SparseConverter::pairs({
    { testenums::Bit30, testenums::SparseCode::High },
    { testenums::Bit12, testenums::SparseCode::Zero },
    { testenums::Bit0, testenums::SparseCode::Low },
    { testenums::Bit31, testenums::SparseCode::Zero },
}) };
static_assert(!lguim::detail::EnumIndex<testenums::SparseConverter::Key, false>::dense
    && !lguim::detail::EnumIndex<testenums::SparseConverter::Key, true>::dense);

namespace {
using namespace testenums;

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

template <class... Lists> struct JoinedTypes;
template <class... Ts> struct JoinedTypes<lguim::TypeList<Ts...>>
{
    using Types = ::testing::Types<Ts...>;
};
template <class... As, class... Bs, class... Rest>
struct JoinedTypes<lguim::TypeList<As...>, lguim::TypeList<Bs...>, Rest...>
    : JoinedTypes<lguim::TypeList<As..., Bs...>, Rest...>
{
};

using Converters
    = JoinedTypes<lguim::TypeList<ColourConverter, PaintConverter, FlagConverter, SparseConverter>,
        bridge::maintenance::EnumConverters, bridge::misc::EnumConverters, bridge::payment::EnumConverters,
        bridge::persistence::EnumConverters, bridge::products::EnumConverters,
        bridge::staticsettings::EnumConverters>::Types;
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

// What a scan of the table answers for `value`: the partner in the first pair
// that lists it. Probes every listed value, its neighbours and the extremes.
template <class Source, class Table, class Lookup, class From, class To>
void expectLookupsAgreeWithAScan(const Table& table, Lookup lookup, From from, To to)
{
    using Bits = std::make_unsigned_t<std::underlying_type_t<Source>>;
    std::vector<Bits> probes { 0, Bits(~Bits(0)), Bits(~Bits(0) >> 1), Bits(~(~Bits(0) >> 1)) };
    for (const auto& pair : table) {
        const auto bits = static_cast<Bits>(pair.*from);
        probes.insert(probes.end(), { Bits(bits - 1), bits, Bits(bits + 1) });
    }
    for (const Bits probe : probes) {
        const auto value = static_cast<Source>(probe);
        decltype(lookup(value)) expected;
        for (const auto& pair : table) {
            if (pair.*from == value) {
                expected = pair.*to;
                break;
            }
        }
        EXPECT_EQ(lookup(value), expected) << "probe " << +probe;
    }
}

TYPED_TEST(EveryConverter, LookupsAgreeWithAScanOfTheTable)
{
    using C = TypeParam;
    using Pair = typename C::Pair;
    const auto& table = lguim::enumPairs<typename C::Key>;
    expectLookupsAgreeWithAScan<typename C::Internal>(
        table, &C::toExternalOpt, &Pair::internal, &Pair::external);
    expectLookupsAgreeWithAScan<typename C::External>(
        table, &C::toInternalOpt, &Pair::external, &Pair::internal);
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
    EXPECT_STREQ(bridge::persistence::LogLevelEnumConverter::converter(),
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

TEST(StringTypeEnumConverter, MatchesValueForValueUpTo21)
{
    using C = bridge::staticsettings::StringTypeEnumConverter;
    for (int k = 0; k <= 21; ++k)
        EXPECT_EQ(C::toExternalOpt(static_cast<TypedString::StringType>(k)),
            static_cast<lea::staticsettings::Languages::StringType>(k));
    EXPECT_FALSE(C::toExternalOpt(static_cast<TypedString::StringType>(22)));
    EXPECT_FALSE(C::toInternalOpt(static_cast<lea::staticsettings::Languages::StringType>(22)));
    EXPECT_FALSE(C::toInternalOpt(static_cast<lea::staticsettings::Languages::StringType>(-1)));
}

TEST(LogLevelEnumConverter, CoreInfoLevelHasNoInterfaceCounterpart)
{
    using C = bridge::persistence::LogLevelEnumConverter;
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

// A converter header missing from its area's list would escape the suite above.
TEST(EnumConverterLists, EveryEnumConverterHeaderIsListedInItsArea)
{
    namespace fs = std::filesystem;
    const auto read = [](const fs::path& path) {
        std::ostringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    };
    const std::regex alias(R"(using (\w+EnumConverter)\b)");
    int headers = 0;
    for (const auto& area : fs::directory_iterator(fs::path(BRIDGE_SOURCE_DIR) / "bridge")) {
        if (!area.is_directory())
            continue;
        for (const auto& file : fs::directory_iterator(area.path())) {
            const std::string name = file.path().filename().string();
            if (name.size() <= 15 || name.compare(name.size() - 15, 15, "enumconverter.h") != 0)
                continue;
            ++headers;
            const std::string areaName = area.path().filename().string();
            const std::string list = read(area.path() / "enumconverters.h");
            std::smatch declared;
            const std::string header = read(file.path());
            ASSERT_TRUE(std::regex_search(header, declared, alias)) << name;
            EXPECT_NE(list.find("\"bridge/" + areaName + "/" + name + "\""), std::string::npos) << name;
            EXPECT_TRUE(std::regex_search(list, std::regex("[<, ]" + declared[1].str() + "[,>]"))) << name;
        }
    }
    EXPECT_GE(headers, 16);
}

} // namespace

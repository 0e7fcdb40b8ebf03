#include "bridge/connectivity/enumconverters.h"
#include "bridge/hardware/enumconverters.h"
#include "bridge/interface/enumconverters.h"
#include "bridge/maintenance/enumconverters.h"
#include "bridge/misc/enumconverters.h"
#include "bridge/payment/enumconverters.h"
#include "bridge/persistence/enumconverters.h"
#include "bridge/products/enumconverters.h"
#include "bridge/staticsettings/enumconverters.h"
#include "bridge/statistics/enumconverters.h"
#include "bridge/taggedenumconverter.h"
#include "lea/helpers/flags.h"
#include "support/accessors.h"
#include "support/printers.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <regex>
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

namespace lguim {
using namespace testenums;

// Navy and Cyan fold into Blue; Blue is the one that converts back. More pairs
// than interface values, and one listed after the folded ones.
template <>
inline constexpr auto enumPairs<ColourConverter::Key> { ColourConverter::pairs(
    { { CoreColour::Red, LeaColour::Red }, { CoreColour::Blue, LeaColour::Blue },
        { CoreColour::Navy, LeaColour::Blue }, { CoreColour::Cyan, LeaColour::Blue },
        { CoreColour::Green, LeaColour::Green } }) };
template <>
inline constexpr auto enumPairs<PaintConverter::Key> { PaintConverter::pairs(
    { { PaintColour::Red, LeaColour::Red }, { PaintColour::Blue, LeaColour::Blue } }) };
template <>
inline constexpr auto enumPairs<FlagConverter::Key> { FlagConverter::pairs({ { NoFlag, LeaFlag::None },
    { Sugar, LeaFlag::Sugar }, { Milk, LeaFlag::Milk }, { Cream, LeaFlag::Cream } }) };
// Bit31 folds into Zero after Bit12, which converts back.
template <>
inline constexpr auto enumPairs<SparseConverter::Key> { SparseConverter::pairs({ { Bit30, SparseCode::High },
    { Bit12, SparseCode::Zero }, { Bit0, SparseCode::Low }, { Bit31, SparseCode::Zero } }) };
static_assert(!detail::EnumIndex<SparseConverter::Key, false>::dense
    && !detail::EnumIndex<SparseConverter::Key, true>::dense);
} // namespace lguim

namespace {
using namespace testenums;

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
        bridge::connectivity::EnumConverters, bridge::hardware::EnumConverters,
        bridge::interface::EnumConverters, bridge::maintenance::EnumConverters, bridge::misc::EnumConverters,
        bridge::payment::EnumConverters, bridge::persistence::EnumConverters,
        bridge::products::EnumConverters, bridge::staticsettings::EnumConverters,
        bridge::statistics::EnumConverters>::Types;
TYPED_TEST_SUITE(EveryConverter, Converters);

TYPED_TEST(EveryConverter, ListedValuesRoundTripThroughTheDesignatedPartnerAndTheSetsAreBuiltOnce)
{
    using C = TypeParam;
    const auto& all = C::convertibleInternalValues();
    ASSERT_FALSE(all.empty());
    for (const auto internal : all) {
        const auto external = C::toExternalOrThrow(internal);
        EXPECT_EQ(C::convertibleExternalValues().count(external), 1u);
        const auto back = C::toInternalOrThrow(external);
        EXPECT_EQ(C::toExternalOpt(back), external);
        if (std::count_if(
                all.begin(), all.end(), [&](auto other) { return C::toExternalOpt(other) == external; })
            == 1) {
            EXPECT_EQ(back, internal);
        }
    }
    EXPECT_EQ(&all, &C::convertibleInternalValues());
    EXPECT_EQ(&C::convertibleExternalValues(), &C::convertibleExternalValues());
}

TYPED_TEST(EveryConverter, UnlistedSevenIsRefusedWithTheConverterNamed)
{
    using C = TypeParam;
    const auto seven = static_cast<typename C::Internal>(7);
    const bool listed = C::convertibleInternalValues().count(seven);
    EXPECT_EQ(bool(C::toExternalOpt(seven)), listed);
    if (!listed) {
        EXPECT_EQ(exceptionText<std::invalid_argument>([=] { C::toExternalOrThrow(seven); }),
            std::string("Invalid internal enum value 7 (") + C::converter() + ")");
    }
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

TEST(SecureEnumConverter, FoldedValuesConvertBackToTheDesignatedOneAndConvertersSharingATypeAreIndependent)
{
    using Colour = ColourConverter;
    using Paint = PaintConverter;
    EXPECT_EQ(Colour::toExternalOpt(CoreColour::Navy), LeaColour::Blue);
    EXPECT_EQ(Colour::toExternalOpt(CoreColour::Cyan), LeaColour::Blue);
    EXPECT_EQ(Colour::toInternalOpt(LeaColour::Blue), CoreColour::Blue);
    EXPECT_EQ(Colour::convertibleExternalValues(),
        (std::set<LeaColour> { LeaColour::Red, LeaColour::Green, LeaColour::Blue }));

    EXPECT_EQ(Paint::toInternalOpt(LeaColour::Red), PaintColour::Red);
    EXPECT_EQ(Colour::toInternalOpt(LeaColour::Red), CoreColour::Red);
    EXPECT_FALSE(Paint::toInternalOpt(LeaColour::Green));
    EXPECT_STRNE(Paint::converter(), Colour::converter());
    EXPECT_EQ(Paint::convertibleInternalValues().size(), 2u);
    EXPECT_EQ(Colour::convertibleInternalValues().size(), 5u);
}

TEST(SecureEnumConverter, UnlistedValuesGiveNothingOrTheExactText)
{
    using Colour = ColourConverter;
    const std::pair<std::function<void()>, std::string> cases[] = {
        { [] { Colour::toExternalOrThrow(CoreColour(-7)); }, "Invalid internal enum value -7 (" },
        { [] { Colour::toExternalOrThrow(CoreColour(3)); }, "Invalid internal enum value 3 (" },
        { [] { Colour::toInternalOrThrow(LeaColour::Unused); }, "Invalid external enum value 13 (" },
        { [] { Colour::toInternalOrThrow(LeaColour(-2147483647 - 1)); },
            "Invalid external enum value -2147483648 (" },
    };
    for (const auto& [convert, text] : cases)
        EXPECT_EQ(exceptionText<std::invalid_argument>(convert), text + Colour::converter() + ")");
    EXPECT_FALSE(Colour::toInternalOpt(LeaColour::Unused) || Colour::toExternalOpt(CoreColour(-7)));
    // The converter names itself with both types and the tag.
    EXPECT_STREQ(bridge::persistence::LogLevelEnumConverter::converter(),
        "static const char* lguim::SecureEnumConverter<InternalType, ExternalType, Tag>::converter() "
        "[with InternalType = LogLevel::Level; ExternalType = lea::persistence::Logs::Level; Tag = void]");
}

TEST(SecureEnumConverter, FlagSetHoldsTheListedFlagsThatAreSet)
{
    using Set = std::set<LeaFlag>;
    const std::pair<unsigned, Set> cases[] = { { 0, {} }, { Unlisted, {} }, { Milk, { LeaFlag::Milk } },
        { Sugar | Cream | Unlisted, { LeaFlag::Sugar, LeaFlag::Cream } },
        { 0xFFFFFFFFu, { LeaFlag::Sugar, LeaFlag::Milk, LeaFlag::Cream } } };
    for (const auto& [flags, expected] : cases)
        EXPECT_EQ(lea::helpers::internalFlagsToExternalSetSecure<FlagConverter>(CoreFlag(flags)), expected);
}

TEST(AreaEnumConverters, StringTypesMatchUpTo21)
{
    using StringTypes = bridge::staticsettings::StringTypeEnumConverter;
    using Lea = lea::staticsettings::Languages;
    for (int k = 0; k <= 21; ++k)
        EXPECT_EQ(StringTypes::toExternalOpt(TypedString::StringType(k)), Lea::StringType(k));
    EXPECT_FALSE(StringTypes::toExternalOpt(TypedString::StringType(22)));
    EXPECT_FALSE(
        StringTypes::toInternalOpt(Lea::StringType(22)) || StringTypes::toInternalOpt(Lea::StringType(-1)));
}

// A converter header missing from its area's list would escape the suite above.
TEST(EnumConverterLists, EveryEnumConverterHeaderIsListedInItsArea)
{
    namespace fs = std::filesystem;
    const auto read = [](const fs::path& p) {
        return std::string(std::istreambuf_iterator<char>(std::ifstream(p).rdbuf()), {});
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
            const std::string list = read(area.path() / "enumconverters.h"), header = read(file.path());
            std::smatch declared;
            ASSERT_TRUE(std::regex_search(header, declared, alias)) << name;
            EXPECT_NE(list.find("\"bridge/" + area.path().filename().string() + "/" + name + "\""),
                std::string::npos)
                << name;
            EXPECT_TRUE(std::regex_search(list, std::regex("[<, ]" + declared[1].str() + "[,>]"))) << name;
        }
    }
    EXPECT_GE(headers, 16);
}

} // namespace

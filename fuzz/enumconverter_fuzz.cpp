// Every enumeration converter of every area over arbitrary values. Input: up
// to four chunks of 16 bytes, the first 8 a value of the internal, the last 8
// one of the external enumeration of every converter. (Few values per input:
// the refusals throw, and exceptions are slow under the sanitizers.)

#include "bridge/connectivity/enumconverters.h"
#include "bridge/hardware/enumconverters.h"
#include "bridge/interface/enumconverters.h"
#include "bridge/maintenance/enumconverters.h"
#include "bridge/misc/enumconverters.h"
#include "bridge/persistence/enumconverters.h"
#include "bridge/products/enumconverters.h"
#include "bridge/staticsettings/enumconverters.h"
#include "bridge/statistics/enumconverters.h"
#include "fuzzinput.h"

#include <stdexcept>
#include <string>
#include <type_traits>

namespace {

// Only an enumeration with a fixed underlying type holds every value of that
// type; casting another value into one without would be undefined.
template <class Enum, class = void> struct HasFixedUnderlyingType : std::false_type
{
};
template <class Enum>
struct HasFixedUnderlyingType<Enum, std::void_t<decltype(Enum { std::underlying_type_t<Enum> {} })>>
    : std::true_type
{
};

template <class Enum> Enum enumFrom(long long value)
{
    static_assert(HasFixedUnderlyingType<Enum>::value, "every value must be representable");
    return static_cast<Enum>(static_cast<std::underlying_type_t<Enum>>(value));
}

template <class Enum> std::string failurePrefix(const char* prefix, Enum value)
{
    return prefix + std::to_string(lguim::detail::enumValue(value)) + " (";
}

/// One direction of a converter: `opt` empty exactly when `orThrow` throws
/// std::invalid_argument with the documented text; a converted value lies in
/// the listed values, and converting it back gives a value that converts to it again.
template <class From, class To, class Opt, class OrThrow, class Back, class Again>
void checkDirection(From value, const char* prefix, const std::set<From>& fromValues,
    const std::set<To>& toValues, Opt opt, OrThrow orThrow, Back back, Again again)
{
    const nonstd::optional<To> converted = opt(value);
    bool threw = false;
    try {
        const To thrown = orThrow(value);
        FUZZ_CHECK(converted && thrown == *converted);
    } catch (const std::invalid_argument& error) {
        threw = true;
        FUZZ_CHECK(std::string(error.what()).rfind(failurePrefix(prefix, value), 0) == 0);
    }
    FUZZ_CHECK(converted.has_value() != threw);
    FUZZ_CHECK((fromValues.count(value) == 1) == converted.has_value());
    if (!converted)
        return;
    FUZZ_CHECK(toValues.count(*converted) == 1);
    const From returned = back(*converted);
    FUZZ_CHECK(fromValues.count(returned) == 1);
    const nonstd::optional<To> convertedAgain = again(returned);
    FUZZ_CHECK(convertedAgain && *convertedAgain == *converted);
}

template <class Converter> void check(long long internalValue, long long externalValue)
{
    using Internal = typename Converter::Internal;
    using External = typename Converter::External;
    checkDirection(enumFrom<Internal>(internalValue), "Invalid internal enum value ",
        Converter::convertibleInternalValues(), Converter::convertibleExternalValues(),
        Converter::toExternalOpt, Converter::toExternalOrThrow, Converter::toInternalOrThrow,
        Converter::toExternalOpt);
    checkDirection(enumFrom<External>(externalValue), "Invalid external enum value ",
        Converter::convertibleExternalValues(), Converter::convertibleInternalValues(),
        Converter::toInternalOpt, Converter::toInternalOrThrow, Converter::toExternalOrThrow,
        Converter::toInternalOpt);
}

template <class... Converters>
void checkArea(lguim::TypeList<Converters...>, long long internalValue, long long externalValue)
{
    (check<Converters>(internalValue, externalValue), ...);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    for (int chunk = 0; chunk < 4 && (chunk == 0 || !input.atEnd()); ++chunk) {
        const auto internalValue = input.integer<long long>();
        const auto externalValue = input.integer<long long>();
        checkArea(bridge::connectivity::EnumConverters {}, internalValue, externalValue);
        checkArea(bridge::hardware::EnumConverters {}, internalValue, externalValue);
        checkArea(bridge::interface::EnumConverters {}, internalValue, externalValue);
        checkArea(bridge::maintenance::EnumConverters {}, internalValue, externalValue);
        checkArea(bridge::misc::EnumConverters {}, internalValue, externalValue);
        checkArea(bridge::persistence::EnumConverters {}, internalValue, externalValue);
        checkArea(bridge::products::EnumConverters {}, internalValue, externalValue);
        checkArea(bridge::staticsettings::EnumConverters {}, internalValue, externalValue);
        checkArea(bridge::statistics::EnumConverters {}, internalValue, externalValue);
    }
    return 0;
}

// Listing the active failures through the accessor must cost little more than
// walking the machine's active failures and filling the same records by hand.
// The identifier lookups are timed against plain arrays indexed by value: what
// a switch over these dense values compiles to.

#include "benchenvironment.h"
#include "bridge/maintenance/failureidenumconverter.h"
#include "core/coreenvironment.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guimanager.h"
#include "core/machine/failure.h"
#include "core/machine/machine.h"
#include "lea/maintenance/factory.h"
#include "support/accessors.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <QCoreApplication>
#include <random>
#include <vector>

namespace {

using LeaFailures = lea::maintenance::Failures;
using Converter = bridge::maintenance::FailureIdEnumConverter;
using lea::maintenance::FailureId;

constexpr int kActive = 50;
constexpr int kCoreIds = FailureCommonList::LastFailure - FailureCommonList::FirstFailure + 1;

LeaFailures* gFailures = nullptr;

// Index by value of both sides of the table; -1 where a value has no partner.
struct Arrays
{
    std::array<int, kCoreIds> toExternal;
    std::array<int, 335> toInternal;
};

const Arrays& arrays()
{
    static const Arrays built = [] {
        Arrays a;
        a.toExternal.fill(-1);
        a.toInternal.fill(-1);
        for (const auto& pair : lguim::enumPairs<Converter::Key>) {
            a.toExternal[std::size_t(pair.internal - FailureCommonList::FirstFailure)] = pair.external;
            a.toInternal[std::size_t(pair.external)] = pair.internal;
        }
        return a;
    }();
    return built;
}

std::map<FailureId, LeaFailures::FailureInfo> floorActiveFailures()
{
    const nonstd::optional<QLocale::Language> language = gGuiEnv->guiManager()->currentLanguage();
    const std::array<int, kCoreIds>& toExternal = arrays().toExternal;
    std::map<FailureId, LeaFailures::FailureInfo> result;
    for (const Failure* failure : gCoreEnv->machine()->activeFailures()) {
        const int id = toExternal[std::size_t(failure->id() - FailureCommonList::FirstFailure)];
        if (id < 0)
            continue;
        LeaFailures::FailureInfo info;
        info.name = failure->name();
        if (language) {
            lea::Translation translation;
            translation.language = *language;
            translation.text = QCoreApplication::translate("Machine", info.name.toUtf8().constData());
            info.translations.push_back(std::move(translation));
        }
        info.blocking = failure->isBlocking();
        info.resetAtStart = failure->isResetAtStart();
        info.displayed = failure->isDisplayed();
        info.logged = failure->isLogged();
        result.insert_or_assign(FailureId(id), std::move(info));
    }
    return result;
}

bool same(const LeaFailures::FailureInfo& a, const LeaFailures::FailureInfo& b)
{
    if (a.translations.size() != b.translations.size())
        return false;
    for (std::size_t i = 0; i < a.translations.size(); ++i) {
        if (a.translations[i].language != b.translations[i].language
            || a.translations[i].text != b.translations[i].text)
            return false;
    }
    return a.name == b.name && a.blocking == b.blocking && a.resetAtStart == b.resetAtStart
        && a.displayed == b.displayed && a.logged == b.logged && a.dateTime == b.dateTime;
}

/// Fifty translated active failures, and the floor building what the accessor returns.
bool checkFailures()
{
    const auto listed = gFailures->activeFailures();
    const auto floor = floorActiveFailures();
    bool ok = listed.size() == std::size_t(kActive) && floor.size() == listed.size();
    for (auto i = listed.cbegin(), j = floor.cbegin(); ok && i != listed.cend(); ++i, ++j)
        ok = i->first == j->first && same(i->second, j->second) && i->second.translations.size() == 1;
    if (!ok)
        std::fprintf(stderr, "activeFailures(): the floor builds other records than the accessor\n");
    return ok;
}

void Failures_activeFailures(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(gFailures->activeFailures());
}

void Failures_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(floorActiveFailures());
}

constexpr std::size_t kSequence = 4096; // a power of two

/// Listed values of one side, drawn at random with a fixed seed.
template <bool External> const auto& sequence()
{
    static const auto values = [] {
        const auto& table = lguim::enumPairs<Converter::Key>;
        std::mt19937 random(20240613);
        std::uniform_int_distribution<std::size_t> pick(0, table.size() - 1);
        std::vector<std::conditional_t<External, FailureId, FailureCommonList::FailureID>> values;
        for (std::size_t k = 0; k < kSequence; ++k) {
            if constexpr (External)
                values.push_back(table[pick(random)].external);
            else
                values.push_back(table[pick(random)].internal);
        }
        return values;
    }();
    return values;
}

void FailureId_toExternal_converter(benchmark::State& state)
{
    const auto& values = sequence<false>();
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Converter::toExternalOpt(values[k++ % kSequence]));
}

void FailureId_toExternal_array(benchmark::State& state)
{
    const auto& values = sequence<false>();
    const auto& table = arrays().toExternal;
    std::size_t k = 0;
    for (auto _ : state) {
        const auto offset = std::size_t(values[k++ % kSequence] - FailureCommonList::FirstFailure);
        benchmark::DoNotOptimize(offset < table.size() ? table[offset] : -1);
    }
}

void FailureId_toInternal_converter(benchmark::State& state)
{
    const auto& values = sequence<true>();
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Converter::toInternalOpt(values[k++ % kSequence]));
}

void FailureId_toInternal_array(benchmark::State& state)
{
    const auto& values = sequence<true>();
    const auto& table = arrays().toInternal;
    std::size_t k = 0;
    for (auto _ : state) {
        const auto offset = std::size_t(values[k++ % kSequence]);
        benchmark::DoNotOptimize(offset < table.size() ? table[offset] : -1);
    }
}

BENCHMARK(Failures_activeFailures)->Unit(benchmark::kMicrosecond);
BENCHMARK(Failures_floor)->Unit(benchmark::kMicrosecond);
BENCHMARK(FailureId_toExternal_converter);
BENCHMARK(FailureId_toExternal_array);
BENCHMARK(FailureId_toInternal_converter);
BENCHMARK(FailureId_toInternal_array);

} // namespace

int main(int argc, char* argv[])
{
    BenchEnvironment environment(argc, argv);
    CoreSimulator& machine = environment.machine();
    machine.guiManager().setCurrentLanguage(QLocale::German);
    // Spread over the table, in an order unlike the identifiers'.
    const auto& table = lguim::enumPairs<Converter::Key>;
    for (int k = 0; k < kActive; ++k) {
        Failure* failure = machine.core().machine()->failure(table[std::size_t(k * 331 % 335)].internal);
        failure->setName(QStringLiteral("Failure number %1").arg(k));
        failure->setBlocking(k % 2);
        failure->setDisplayed(k % 3);
        failure->setActive(true);
    }

    const auto failures = createAccessor<LeaFailures>();
    if (!failures) {
        std::fprintf(stderr, "The failures accessor is not available.\n");
        return 1;
    }
    gFailures = failures.get();
    if (!checkFailures())
        return 1;
    return environment.run(argc, argv);
}

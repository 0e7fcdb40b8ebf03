#include "bridge/payment/remoteselectormdb.h"
#include "core/catalogue/product.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/payment/payment.h"
#include "support/catalogue.h"
#include "support/guardtest.h"

#include <algorithm>
#include <QSignalSpy>
#include <utility>
#include <vector>

namespace {

using LeaSelector = lea::payment::RemoteSelectorMdb;
using RemoteSelectorMdb = bridge::payment::RemoteSelectorMdb;

const GuardCase<RemoteSelectorMdb> kGuards[] = {
    { "coreProductByItemNumber", [](RemoteSelectorMdb& r) { return !r.coreProductByItemNumber(1); } },
};
GUARD_TEST(RemoteSelectorMdbGuard, LeaSelector, RemoteSelectorMdb, kGuards);

// Products of the configuration in list order: item number and availability.
struct MdbCase
{
    const char* name;
    std::vector<std::pair<int, bool>> products;
    quint16 requested;
    /// The index of the product the request selects; -1 when it is denied.
    int selected;
    bool loaded = true;
};

void PrintTo(const MdbCase& c, std::ostream* os)
{
    *os << c.name;
}

class RemoteSelectorMdbTest : public MachineTest, public ::testing::WithParamInterface<MdbCase>
{
};

TEST_P(RemoteSelectorMdbTest, ApprovesAnAvailableProductAndDeniesEverythingElse)
{
    const MdbCase& c = GetParam();
    seedTestCatalogue(machine().core());
    Configuration* configuration = loadConfiguration();
    const QList<Product*> products = configuration->products();
    ASSERT_GE(size_t(products.size()), c.products.size());
    for (int i = 0; i < products.size(); ++i) {
        const bool listed = size_t(i) < c.products.size();
        products[i]->setItemNumber(listed ? c.products[size_t(i)].first : -1);
        products[i]->setEnabled(!listed || c.products[size_t(i)].second);
    }
    if (!c.loaded)
        unloadConfiguration();
    const std::unique_ptr<RemoteSelectorMdb> selector = createAccessor<LeaSelector, RemoteSelectorMdb>();
    std::vector<std::pair<quint32, quint32>> approved;
    QObject::connect(selector.get(), &LeaSelector::remoteSelectionMdb, selector.get(),
        [&](lea::payment::RemoteSelectionMdb& s) { approved.emplace_back(s.itemNumber, s.value); });
    QSignalSpy denied(gCoreEnv->payment(), &Payment::remoteSelectionDenied);
    clearLog();

    gCoreEnv->payment()->requestMdbRemoteSelection({ 1, c.requested, 0x80000001u });

    if (c.selected >= 0) {
        EXPECT_EQ(approved, (std::vector<std::pair<quint32, quint32>> { { c.requested, 0x80000001u } }));
        EXPECT_EQ(denied.count(), 0);
        if (c.loaded) {
            EXPECT_EQ(selector->coreProductByItemNumber(c.requested), products[c.selected]);
        }
    } else {
        EXPECT_TRUE(approved.empty());
        EXPECT_EQ(denied.count(), 1);
    }
    const QList<LogEntry> entries = logEntries();
    ASSERT_FALSE(entries.isEmpty());
    EXPECT_EQ(entries[0].level, LogLevel::Debug);
    EXPECT_EQ(entries[0].items.mid(0, 3),
        (QStringList {
            "void bridge::payment::RemoteSelectorMdb::onRemoteSelectionMdb(const Mdb::SelectionRequest&)",
            "product item number", QString::number(c.requested) }));
    const bool known = c.loaded && std::any_of(c.products.begin(), c.products.end(), [&](const auto& p) {
        return p.first == c.requested;
    });
    EXPECT_EQ(logEntriesContaining("product not found for item number:").size(), known ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Requests, RemoteSelectorMdbTest,
    ::testing::Values(MdbCase { "Available", { { 5, true }, { 6, true } }, 6, 1 },
        MdbCase { "FirstOfTwoWithTheNumber", { { 7, true }, { 7, true } }, 7, 0 },
        MdbCase { "Unavailable", { { 5, false } }, 5, -1 },
        MdbCase { "FirstUnavailableSecondAvailable", { { 5, false }, { 5, true } }, 5, -1 },
        MdbCase { "UnknownItemNumber", { { 5, true } }, 65535, -1 },
        MdbCase { "NoConfiguration", { { 5, true } }, 5, -1, false }),
    caseName<MdbCase>);

} // namespace

#include "bridge/statistics/evadts.h"
#include "core/catalogue/beverage.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"
#include "core/payment/payment.h"
#include "core/statistics/evadts.h"
#include "support/cataloguetest.h"
#include "support/guardtest.h"
#include "support/sale.h"

#include <functional>
#include <QSignalSpy>

namespace {

using Lea = lea::statistics::Evadts;
using Evadts = bridge::statistics::Evadts;

const QString kReportSignature
    = "virtual nonstd::optional_lite::optional<QString> bridge::statistics::Evadts::report()";

quint16 blockCheck(const QByteArray& data)
{
    quint16 crc = 0;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

/// An audit report read as its records: checks the frame (DXS first, DXE
/// last, records ended by CR LF, the block check and the set's record count)
/// and gives the records by tag, each as its data elements.
class AuditReport
{
public:
    explicit AuditReport(const QString& text)
    {
        if (!text.endsWith("\r\n")) {
            ADD_FAILURE() << "the last record is not ended";
            return;
        }
        const QStringList lines = text.left(text.size() - 2).split("\r\n");
        QByteArray checked;
        for (int i = 0; i < lines.size(); ++i) {
            if (lines[i].contains('\n') || lines[i].contains('\r'))
                ADD_FAILURE() << "stray line end in record " << i;
            QStringList elements = lines[i].split('*');
            const QString tag = elements.takeFirst();
            if (tag == "G85") {
                EXPECT_EQ(
                    elements.value(0), QString("%1").arg(blockCheck(checked), 4, 16, QChar('0')).toUpper());
                EXPECT_EQ(lines.value(i + 1).left(3), "SE*") << "SE follows the block check";
            }
            checked += (lines[i] + "\r\n").toUtf8();
            m_tags << tag;
            m_records.insert(tag, elements);
        }
        EXPECT_EQ(m_tags.value(0), "DXS");
        EXPECT_EQ(m_tags.value(1), "ST");
        EXPECT_EQ(m_tags.value(m_tags.size() - 1), "DXE");
        EXPECT_EQ(m_tags.count("G85"), 1);
        const int st = m_tags.indexOf("ST"), se = m_tags.indexOf("SE");
        EXPECT_EQ(record("SE").value(0).toInt(), se - st + 1);
        EXPECT_EQ(record("SE").value(1), record("ST").value(1));
    }

    QStringList tags() const { return m_tags; }
    QStringList record(const QString& tag) const { return m_records.value(tag); }
    /// Every record with that tag, in report order.
    QList<QStringList> records(const QString& tag) const
    {
        QList<QStringList> all = m_records.values(tag);
        std::reverse(all.begin(), all.end());
        return all;
    }
    /// The PA2 and PA4 records of the product with that identifier.
    std::pair<QStringList, QStringList> product(int id) const
    {
        const QList<QStringList> pa1 = records("PA1"), pa2 = records("PA2"), pa4 = records("PA4");
        for (int i = 0; i < pa1.size(); ++i) {
            if (pa1[i].value(0).toInt() == id)
                return { pa2.value(i), pa4.value(i) };
        }
        return {};
    }

private:
    QStringList m_tags;
    QMultiMap<QString, QStringList> m_records;
};

TEST(AuditReportParser, TheBlockCheckIsTheStandardCrc16)
{
    EXPECT_EQ(blockCheck("123456789"), 0xBB3D);
}

class EvadtsTest : public CatalogueTest
{
protected:
    void SetUp() override
    {
        CatalogueTest::SetUp();
        gCoreEnv->clock()->setSimulatedTime(QDateTime({ 2026, 3, 5 }, { 7, 30 }));
        accessor = createAccessor<Lea, Evadts>();
        ASSERT_TRUE(accessor);
        configuration().beverage(ids.espressoBeverage)->setOrAddPrice(0, 0, 0, 0, 150, -1);
        configuration().beverage(ids.cappuccinoBeverage)->setOrAddPrice(0, 0, 0, 0, 220, -1);
        clearLog();
    }

    static ::Evadts& core() { return *gCoreEnv->machine()->evadts(); }
    Beverage& beverage(int id) const { return *configuration().beverage(id); }

    std::unique_ptr<Evadts> accessor;
};

TEST_F(EvadtsTest, TheIdentificationValuesAreTheMachines)
{
    using Case
        = std::tuple<const char*, std::function<void(const QString&)>, std::function<QString()>, QString>;
    const Case cases[] = {
        { "serial number", [](const QString& v) { core().setMachineSerialNumber(v); },
            [this] { return accessor->getMachineSerialNumber(); }, "SN-000123" },
        { "build standard", [](const QString& v) { core().setMachineBuildStandard(v); },
            [this] { return accessor->getMachineBuildStandard(); }, "B7" },
        { "model number", [](const QString& v) { core().setMachineModelNumber(v); },
            [this] { return accessor->getMachineModelNumber(); }, "HotCup 300" },
        { "decimal point", [](const QString& v) { core().setDecimalPointPosition(v); },
            [this] { return accessor->getDecimalPointPosition(); }, "3" },
        { "numeric currency", [](const QString& v) { core().setNumericCurrencyCode(v); },
            [this] { return accessor->getNumericCurrencyCode(); }, "756" },
        { "alphabetic currency", [](const QString& v) { core().setAlphabeticCurrencyCode(v); },
            [this] { return accessor->getAlphabeticCurrencyCode(); }, "CHF" },
    };
    for (const auto& [label, set, get, value] : cases) {
        set(value);
        EXPECT_EQ(get(), value) << label;
    }
    EXPECT_EQ(accessor->getSystemDate(), "260305");
    EXPECT_EQ(accessor->getSystemTime(), "0730");
    gCoreEnv->clock()->advanceSeconds(86400 + 3600 + 60);
    EXPECT_EQ(accessor->getSystemDate(), "260306");
    EXPECT_EQ(accessor->getSystemTime(), "0831");
}

TEST_F(EvadtsTest, TheReportCountsTheSalesTheMachineMade)
{
    core().setMachineSerialNumber("SN-7");
    core().setMachineModelNumber("HotCup*300");
    core().setMachineBuildStandard("B7");
    ASSERT_TRUE(sellOnMachine(beverage(ids.espressoBeverage), 150));
    ASSERT_TRUE(sellOnMachine(beverage(ids.cappuccinoBeverage), 220));
    ASSERT_TRUE(sellOnMachine(beverage(ids.espressoBeverage), 200));
    gCoreEnv->payment()->setFreeVend(true);
    ASSERT_TRUE(sellOnMachine(beverage(ids.hotChocolateBeverage), 0));

    const nonstd::optional<QString> text = accessor->report();
    ASSERT_TRUE(text);
    const AuditReport report(*text);
    EXPECT_EQ(report.record("DXS").mid(0, 1), QStringList { "SN-7" });
    // A separator inside a value would split it: it is left out.
    EXPECT_EQ(report.record("ID1"), (QStringList { "SN-7", "HotCup300", "B7" }));
    EXPECT_EQ(report.record("ID4"), (QStringList { "2", "978", "EUR" }));
    EXPECT_EQ(report.record("ID5"), (QStringList { "260305", "0730" }));
    EXPECT_EQ(report.record("VA1").mid(0, 2), (QStringList { "520", "3" }));
    EXPECT_EQ(report.record("VA3").value(1), "1");

    const struct
    {
        const char* label;
        int id;
        QString price, paidCount, paidValue, freeCount;
    } products[] = {
        { "espresso", ids.espressoBeverage, "150", "2", "300", "0" },
        { "cappuccino", ids.cappuccinoBeverage, "220", "1", "220", "0" },
        { "hot chocolate", ids.hotChocolateBeverage, "0", "0", "0", "1" },
    };
    EXPECT_EQ(report.records("PA1").size(), configuration().products().size());
    for (const auto& p : products) {
        const auto [pa2, pa4] = report.product(p.id);
        EXPECT_EQ(pa2.mid(0, 2), (QStringList { p.paidCount, p.paidValue })) << p.label;
        EXPECT_EQ(pa4.value(0), p.freeCount) << p.label;
        bool listed = false;
        for (const QStringList& pa1 : report.records("PA1"))
            listed = listed || (pa1.value(0).toInt() == p.id && pa1.value(1) == p.price);
        EXPECT_TRUE(listed) << p.label;
    }
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(EvadtsTest, AReportWhileAnotherOwnerHoldsTheLockIsAbsentAndLoggedOnce)
{
    auto owner = std::make_unique<QObject>();
    ASSERT_TRUE(core().lock(owner.get()));
    EXPECT_FALSE(accessor->report());
    const QList<LogEntry> entries = logEntries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].level, LogLevel::Warning);
    EXPECT_EQ(entries[0].modules, QStringList { "Global" });
    EXPECT_EQ(entries[0].items, (QStringList { kReportSignature, "Failed locking evadts object" }));
    // The report did not take the lock from its owner.
    EXPECT_FALSE(core().lock(this->accessor.get()));

    core().unlock(owner.get());
    const nonstd::optional<QString> text = accessor->report();
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->startsWith("DXS*"));
    // The accessor let the lock go again.
    EXPECT_FALSE(core().isLocked());

    // A lock whose owner is gone lapses.
    ASSERT_TRUE(core().lock(owner.get()));
    owner.reset();
    EXPECT_TRUE(accessor->report());
    EXPECT_EQ(logEntries().size(), 1);
}

TEST_F(EvadtsTest, EveryTelemetryEventIsRelayedWithAllItsFields)
{
    QSignalSpy events(accessor.get(), &Lea::event);
    const Statistics::ConnectivityTelemetryEvent sent[] = {
        { "door", true, "D1", "Door opened", QDateTime({ 2026, 3, 5 }, { 7, 31 }), 1, 2, 3, 4 },
        { "coins", false, "", "", QDateTime(), -5, 0, INT64_MIN, INT64_MAX },
        { "door", false, "D1", "Door closed", QDateTime({ 2026, 3, 5 }, { 7, 32 }), 0, 0, 0, 0 },
    };
    for (const auto& event : sent)
        gCoreEnv->machine()->statistics()->notifyTelemetry(event);
    ASSERT_EQ(events.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const auto e = events[i][0].value<Lea::Event>();
        const auto& s = sent[i];
        EXPECT_EQ(
            std::tie(e.name, e.active, e.code, e.description, e.time, e.value, e.threshold, e.count, e.total),
            std::tie(
                s.name, s.active, s.code, s.description, s.time, s.value, s.threshold, s.count, s.total));
    }
}

TEST_F(EvadtsTest, AnExceptionOfAReceiverIsLoggedAndStopsThere)
{
    QObject receiver;
    QObject::connect(
        accessor.get(), &Lea::event, &receiver, [](const Lea::Event&) { throw std::runtime_error("boom"); });
    gCoreEnv->machine()->statistics()->notifyTelemetry({});
    EXPECT_EQ(logEntriesContaining("boom").size(), 1);
}

const GuardCase<Evadts> kGuardTable[] = {
    { "report", [](Evadts& e) { return e.report() && e.report()->startsWith("DXS*"); }, Guard::None },
    { "getMachineSerialNumber", [](Evadts& e) { return e.getMachineSerialNumber() == "0"; }, Guard::None },
    { "getMachineBuildStandard", [](Evadts& e) { return e.getMachineBuildStandard() == "0"; }, Guard::None },
    { "getMachineModelNumber", [](Evadts& e) { return e.getMachineModelNumber().isEmpty(); }, Guard::None },
    { "getDecimalPointPosition", [](Evadts& e) { return e.getDecimalPointPosition() == "2"; }, Guard::None },
    { "getNumericCurrencyCode", [](Evadts& e) { return e.getNumericCurrencyCode() == "978"; }, Guard::None },
    { "getAlphabeticCurrencyCode", [](Evadts& e) { return e.getAlphabeticCurrencyCode() == "EUR"; },
        Guard::None },
    { "getSystemDate", [](Evadts& e) { return e.getSystemDate().size() == 6; }, Guard::None },
    { "getSystemTime", [](Evadts& e) { return e.getSystemTime().size() == 4; }, Guard::None },
};
GUARD_TEST(EvadtsGuardTest, Lea, Evadts, kGuardTable);

} // namespace

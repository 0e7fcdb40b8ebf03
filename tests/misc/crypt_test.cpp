#include "bridge/misc/crypt.h"
#include "bridge/misc/watchdog.h"
#include "core/tools/monitor.h"
#include "support/guardtest.h"

#include <gtest/gtest.h>
#include <memory>
#include <QThread>

namespace {

using Key = lea::misc::Crypt::Key;

const Key kKeys[] = { Key(0), Key(1), Key(0x0123456789abcdefULL), Key(~0ULL) };

using CryptRoundTrip = ::testing::TestWithParam<QByteArray>;

TEST_P(CryptRoundTrip, SameKeyGivesTheDataBackAnotherKeyOrAlteredDataGiveNothing)
{
    const auto crypt = createAccessor<lea::misc::Crypt>();
    ASSERT_TRUE(crypt);
    const QByteArray data = GetParam();
    for (const Key key : kKeys) {
        const QByteArray encrypted = crypt->encrypt(key, data);
        EXPECT_EQ(crypt->decrypt(key, encrypted), data);
        // Altered or truncated, it was not encrypted with the key.
        QByteArray altered = encrypted;
        if (!altered.isEmpty())
            altered[altered.size() / 2] = char(altered.at(altered.size() / 2) ^ 0x01);
        EXPECT_TRUE(crypt->decrypt(key, altered).isEmpty());
        EXPECT_TRUE(crypt->decrypt(key, encrypted.left(encrypted.size() - 1)).isEmpty());
        EXPECT_TRUE(data.size() < 4 || encrypted.indexOf(data) == -1) << "plain data visible";
        for (const Key other : kKeys)
            EXPECT_TRUE(other == key || crypt->decrypt(other, encrypted).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Data, CryptRoundTrip,
    ::testing::Values(QByteArray(), QByteArray(1, 'x'), QByteArrayLiteral("espresso 1.20 EUR"),
        QByteArray(64, '\0'), QByteArray("\x00\x01\x80\xfe\xff", 5).repeated(2048)));

quint64 ticksOfThisThread()
{
    return monitored_threads::Monitor::instance()->tickCount(QThread::currentThreadId());
}

// Neither accessor needs the configuration.
const GuardCase<bridge::misc::Crypt> kCrypt[] = {
    { "encrypt",
        [](bridge::misc::Crypt& c) { return c.decrypt(Key(5), c.encrypt(Key(5), "x")) == QByteArray("x"); },
        false },
    { "decrypt", [](bridge::misc::Crypt& c) { return c.decrypt(Key(5), "not encrypted").isEmpty(); }, false },
};
GUARD_TEST(CryptGuard, lea::misc::Crypt, bridge::misc::Crypt, kCrypt);

const GuardCase<bridge::misc::Watchdog> kWatchdog[] = {
    { "tickFromCurrentThread",
        [](bridge::misc::Watchdog& w) {
            // Each thread ticks for itself.
            const quint64 before = ticksOfThisThread();
            quint64 workerTicks = 0;
            std::unique_ptr<QThread> worker(QThread::create([&] {
                for (int i = 0; i < 3; ++i)
                    w.tickFromCurrentThread();
                workerTicks = ticksOfThisThread();
            }));
            worker->start();
            worker->wait();
            w.tickFromCurrentThread();
            return workerTicks == 3 && ticksOfThisThread() == before + 1;
        },
        false },
};
GUARD_TEST(WatchdogGuard, lea::misc::Watchdog, bridge::misc::Watchdog, kWatchdog);

} // namespace

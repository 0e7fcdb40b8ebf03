#include "bridge/bridge.h"
#include "core/tools/monitor.h"
#include "lea/misc/crypt.h"
#include "lea/misc/watchdog.h"
#include "support/printers.h"

#include <gtest/gtest.h>
#include <memory>
#include <QThread>

namespace {

using Key = lea::misc::Crypt::Key;

template <class Accessor> std::unique_ptr<Accessor> create(bridge::Bridge& bridge)
{
    auto& factory = static_cast<lea::priv::AbstractFactoryImp<Accessor>&>(bridge.miscFactory());
    return std::unique_ptr<Accessor>(factory.createImp(static_cast<Accessor*>(nullptr), nullptr));
}

QByteArray binaryData(int size, int seed)
{
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = char((i * 131 + seed * 17) & 0xff);
    return data;
}

struct CryptCase
{
    const char* label;
    QByteArray data;
};

const CryptCase kData[] = {
    { "empty", QByteArray() },
    { "one byte", QByteArray(1, 'x') },
    { "text", QByteArrayLiteral("espresso 1.20 EUR") },
    { "zeros", QByteArray(64, '\0') },
    { "binary", binaryData(257, 3) },
    { "10 KB", binaryData(10 * 1024, 9) },
};
const Key kKeys[] = { Key(0), Key(1), Key(0x0123456789abcdefULL), Key(~0ULL) };

class CryptRoundTrip : public ::testing::TestWithParam<CryptCase>
{
protected:
    bridge::Bridge bridge;
    std::unique_ptr<lea::misc::Crypt> crypt = create<lea::misc::Crypt>(bridge);
};

} // namespace

TEST_P(CryptRoundTrip, SameKeyGivesTheDataBackAnotherDoesNot)
{
    ASSERT_TRUE(crypt);
    const QByteArray data = GetParam().data;
    for (const Key key : kKeys) {
        const QByteArray encrypted = crypt->encrypt(key, data);
        EXPECT_EQ(crypt->decrypt(key, encrypted), data) << GetParam().label;
        if (data.size() >= 4) {
            EXPECT_EQ(encrypted.indexOf(data), -1) << "plain text visible in " << GetParam().label;
        }
        for (const Key other : kKeys) {
            if (other != key) {
                EXPECT_TRUE(crypt->decrypt(other, encrypted).isEmpty()) << GetParam().label;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Crypt, CryptRoundTrip, ::testing::ValuesIn(kData));

TEST(Crypt, AlteredOrTruncatedDataDecryptsToNothing)
{
    bridge::Bridge bridge;
    auto crypt = create<lea::misc::Crypt>(bridge);
    const Key key(42);
    const QByteArray encrypted = crypt->encrypt(key, QByteArrayLiteral("credit 500"));
    for (int i = 0; i < encrypted.size(); ++i) {
        QByteArray altered = encrypted;
        altered[i] = char(altered.at(i) ^ 0x01);
        EXPECT_TRUE(crypt->decrypt(key, altered).isEmpty()) << "byte " << i;
    }
    for (int size = 0; size < encrypted.size(); ++size)
        EXPECT_TRUE(crypt->decrypt(key, encrypted.left(size)).isEmpty()) << "size " << size;
}

TEST(Crypt, EncryptingTwiceGivesDifferentBytes)
{
    bridge::Bridge bridge;
    auto crypt = create<lea::misc::Crypt>(bridge);
    const QByteArray data = QByteArrayLiteral("same data");
    EXPECT_NE(crypt->encrypt(Key(7), data), crypt->encrypt(Key(7), data));
}

TEST(Crypt, ThreadsShareOneAccessor)
{
    bridge::Bridge bridge;
    auto crypt = create<lea::misc::Crypt>(bridge);
    constexpr int kThreads = 4;
    std::atomic<int> failures { 0 };
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back(QThread::create([&crypt, &failures, t] {
            for (int i = 0; i < 50; ++i) {
                const QByteArray data = binaryData(100 + i, t);
                const Key key(quint64(t) << 32 | quint64(i));
                if (crypt->decrypt(key, crypt->encrypt(key, data)) != data)
                    ++failures;
            }
        }));
        threads.back()->start();
    }
    for (auto& thread : threads)
        thread->wait();
    EXPECT_EQ(failures.load(), 0);
}

TEST(Watchdog, EveryThreadTicksForItself)
{
    bridge::Bridge bridge;
    auto watchdog = create<lea::misc::Watchdog>(bridge);
    ASSERT_TRUE(watchdog);
    auto* monitor = monitored_threads::Monitor::instance();

    const quint64 mainBefore = monitor->tickCount(QThread::currentThreadId());
    watchdog->tickFromCurrentThread();
    EXPECT_EQ(monitor->tickCount(QThread::currentThreadId()), mainBefore + 1);

    Qt::HANDLE workerId = nullptr;
    quint64 workerTicks = 0;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        workerId = QThread::currentThreadId();
        for (int i = 0; i < 3; ++i)
            watchdog->tickFromCurrentThread();
        workerTicks = monitor->tickCount(workerId);
    }));
    worker->start();
    worker->wait();
    EXPECT_EQ(workerTicks, 3u);
    EXPECT_EQ(monitor->tickCount(QThread::currentThreadId()), mainBefore + 1);
}

#include "bridge/qml/televendproperties.h"
#include "propertytable.h"
#include "support/printers.h"

#include <QCoreApplication>
#include <QTranslator>
#include <tuple>

namespace {

using bridge::qml::TelevendProperties;
using Status = TelevendProperties::ActivationStatus;
using Version = TelevendProperties::ApiVersion;

const char* const kContext = "bridge::qml::TelevendProperties";

/// Translates nothing, and remembers what it was asked for.
class RecordingTranslator : public QTranslator
{
public:
    QString translate(
        const char* context, const char* sourceText, const char* disambiguation, int) const override
    {
        asked << std::make_tuple(QByteArray(context), QByteArray(sourceText), QByteArray(disambiguation));
        return QString();
    }
    bool isEmpty() const override { return false; }

    mutable QList<std::tuple<QByteArray, QByteArray, QByteArray>> asked;
};

RecordingTranslator* translator = nullptr;

// Installed before any test, so that it sees the first use of every text.
class TranslatorEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        translator = new RecordingTranslator;
        QCoreApplication::installTranslator(translator);
    }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new TranslatorEnvironment);

struct TextCase
{
    int status;
    nonstd::optional<qint32> error;
    QString text;
    bool on; // isActivated or isCloudConnected
};

void PrintTo(const TextCase& entry, std::ostream* os)
{
    *os << entry.status << '/' << (entry.error ? std::to_string(*entry.error) : "none");
}

const TextCase activationCases[] = {
    { 0, {}, "Not activated", false },
    { 1, {}, "Activating", false },
    { 2, {}, "Activated", true },
    { 2, 13, "Activated", true },
    { 3, {}, "Unknown error", false },
    { 3, -1, "Unknown error", false },
    { 3, 16, "Unknown error", false },
    { 4, {}, "Activating", false },
    { -5, 0, "Activating", false },
    { 3, 0, "HTTP driver problems", false },
    { 3, 1, "Could not connect to HTTP server", false },
    { 3, 2, "Downloaded JSON document is not valid", false },
    { 3, 3, "Received bad HTTP response code", false },
    { 3, 4, "JSON document file signature is not valid", false },
    { 3, 5, "HTTPS TLS transport error", false },
    { 3, 6, "HTTPS server certificate is not valid", false },
    { 3, 7, "Provisioning is already in progress", false },
    { 3, 8, "Error resolving Activation server domain name ", false },
    { 3, 9, "Error connecting to Activation server", false },
    { 3, 10, "Error sending message to Activation server", false },
    { 3, 11, "Error receiving message from Activation server", false },
    { 3, 12, "Activation server TLS error", false },
    { 3, 13, "Invalid activation key", false },
    { 3, 14, "Activation server internal error", false },
    { 3, 15, "Activation server response timeout", false },
};

class ActivationText : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(ActivationText, ReadsItsTextAndActivationState)
{
    Fresh<TelevendProperties> televend;
    televend.setActivationStatus(Status { GetParam().status, GetParam().error });
    EXPECT_EQ(televend.property("activationStatusString").toString(), GetParam().text);
    EXPECT_EQ(televend.property("isActivated").toBool(), GetParam().on);
}

INSTANTIATE_TEST_SUITE_P(Statuses, ActivationText, ::testing::ValuesIn(activationCases));

const TextCase cloudCases[] = {
    { 0, {}, "Not connected", false },
    { 1, {}, "Connecting", false },
    { 2, {}, "Connected, idle", true },
    { 3, {}, "Connected, active", true },
    { 4, {}, "Connecting", false },
    { -1, {}, "Connecting", false },
};

class CloudConnectionText : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(CloudConnectionText, ReadsItsTextAndConnectionState)
{
    Fresh<TelevendProperties> televend;
    QSignalSpy changed(&televend, &TelevendProperties::cloudConnectionStatusChanged);
    televend.setCloudConnectionStatus(GetParam().status);
    EXPECT_EQ(changed.count(), GetParam().status == 0 ? 0 : 1);
    EXPECT_EQ(televend.property("cloudConnectionStatusString").toString(), GetParam().text);
    EXPECT_EQ(televend.property("isCloudConnected").toBool(), GetParam().on);
}

INSTANTIATE_TEST_SUITE_P(Statuses, CloudConnectionText, ::testing::ValuesIn(cloudCases));

TEST(TelevendTexts, AreLookedUpInTheClassContextAndTheErrorTableOnlyOnce)
{
    ASSERT_TRUE(translator);
    Fresh<TelevendProperties> televend;
    for (int error = 0; error < 16; ++error) {
        televend.setActivationStatus(Status { 3, error });
        televend.activationStatusString();
    }
    televend.setActivationStatus(Status { 1, {} });
    televend.activationStatusString();
    televend.setCloudConnectionStatus(2);
    televend.cloudConnectionStatusString();

    const auto count = [](const char* text, const char* disambiguation) {
        return translator->asked.count(
            std::make_tuple(QByteArray(kContext), QByteArray(text), QByteArray(disambiguation)));
    };
    EXPECT_EQ(count("Invalid activation key", "ICB activation code error"), 1);
    EXPECT_EQ(count("Error resolving Activation server domain name ", "ICB activation code error"), 1);
    EXPECT_GE(count("Activating", "ICB activation status"), 1);
    EXPECT_GE(count("Connected, idle", nullptr), 1);
    int errorLookups = 0;
    for (const auto& lookup : translator->asked)
        errorLookups
            += std::get<2>(lookup) == "ICB activation code error" && std::get<1>(lookup) != "Unknown error";
    EXPECT_EQ(errorLookups, 16);
}

struct NotifyCase
{
    Status from;
    Status to;
    bool notifies;
};

TEST(TelevendProperties, ActivationStatusNotifiesWhenStatusErrorPresenceOrErrorDiffers)
{
    const NotifyCase cases[] = {
        { { 0, {} }, { 0, {} }, false },
        { { 0, {} }, { 1, {} }, true },
        { { 3, 13 }, { 3, 13 }, false },
        { { 3, 13 }, { 3, 14 }, true },
        { { 3, {} }, { 3, 13 }, true },
        { { 3, 13 }, { 3, {} }, true },
        { { 1, 5 }, { 1, 5 }, false },
        { { 1, 5 }, { 1, {} }, true },
        { { 1, 0 }, { 1, {} }, true },
    };
    for (const NotifyCase& entry : cases) {
        Fresh<TelevendProperties> televend;
        televend.setActivationStatus(entry.from);
        QSignalSpy changed(&televend, &TelevendProperties::activationStatusChanged);
        televend.setActivationStatus(entry.to);
        EXPECT_EQ(changed.count(), entry.notifies ? 1 : 0)
            << entry.from.status << "/" << entry.from.error.value_or(-99) << " -> " << entry.to.status << "/"
            << entry.to.error.value_or(-99);
        EXPECT_EQ(televend.activationStatus(), entry.to);
    }
}

// Versions differ in their meaning only when their major numbers do.
TEST(TelevendProperties, ApiVersionsMismatchOnTheMajorNumberAndEveryReportIsPassedOn)
{
    using Setter = void (TelevendProperties::*)(const Version&);
    struct Api
    {
        const char* name;
        Setter setLocal;
        Setter setRemote;
        const char* local;
        const char* remote;
        const char* mismatch;
    };
    const Api apis[] = {
        { "VAM", &TelevendProperties::setLocalVamApiVersion, &TelevendProperties::setRemoteVamApiVersion,
            "localVamApiVersion", "remoteVamApiVersion", "hasVamApiVersionMismatch" },
        { "TAM", &TelevendProperties::setLocalTamApiVersion, &TelevendProperties::setRemoteTamApiVersion,
            "localTamApiVersion", "remoteTamApiVersion", "hasTamApiVersionMismatch" },
    };
    for (const Api& api : apis) {
        Fresh<TelevendProperties> televend;
        QSignalSpy vam(&televend, &TelevendProperties::hasVamApiVersionMismatchChanged);
        QSignalSpy tam(&televend, &TelevendProperties::hasTamApiVersionMismatchChanged);
        QSignalSpy& mismatch = api.name[0] == 'V' ? vam : tam;
        QSignalSpy& other = api.name[0] == 'V' ? tam : vam;

        (televend.*api.setLocal)(Version { 2, 0, 0 });
        (televend.*api.setRemote)(Version { 2, 5, 1 });
        EXPECT_EQ(televend.property(api.local).toString(), "2.0.0") << api.name;
        EXPECT_EQ(televend.property(api.remote).toString(), "2.5.1") << api.name;
        EXPECT_FALSE(televend.property(api.mismatch).toBool()) << api.name;
        EXPECT_EQ(mismatch.count(), 2) << api.name;

        (televend.*api.setLocal)(Version { 3, 0, 0 });
        EXPECT_TRUE(televend.property(api.mismatch).toBool()) << api.name;
        EXPECT_EQ(mismatch.count(), 3) << api.name;
        (televend.*api.setLocal)(Version { 3, 0, 0 });
        EXPECT_EQ(mismatch.count(), 4) << api.name;
        (televend.*api.setRemote)(Version { 3, 11, -1 });
        EXPECT_EQ(televend.property(api.remote).toString(), "3.11.-1") << api.name;
        EXPECT_FALSE(televend.property(api.mismatch).toBool()) << api.name;
        EXPECT_EQ(other.count(), 0) << api.name;
    }
}

} // namespace

#include "bridge/bridge.h"
#include "bridge/connectivity/amiclo.h"
#include "bridge/connectivity/newdigital.h"
#include "bridge/qml/amicloproperties.h"
#include "bridge/qml/newdigitalproperties.h"
#include "bridge/qml/televendproperties.h"
#include "support/accessors.h"
#include "support/machinetest.h"
#include "support/printers.h"

#include <gtest/gtest.h>
#include <memory>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlError>
#include <QSignalSpy>

namespace {

using bridge::qml::AmiCloProperties;
using bridge::qml::NewDigitalProperties;
using bridge::qml::TelevendProperties;

std::unique_ptr<QObject> create(
    QQmlEngine& engine, QQmlContext& context, const QByteArray& qml, QString* errors)
{
    QQmlComponent component(&engine);
    component.setData(qml, QUrl(QStringLiteral("inline.qml")));
    std::unique_ptr<QObject> object(component.create(&context));
    for (const QQmlError& error : component.errors())
        *errors += error.description() + QLatin1Char('\n');
    return object;
}

const QByteArray kReader = R"(
import QtQml 2.0
QtObject {
    property bool amiClo: AmiClo.active
    property bool televend: Televend.enabled
    property bool newDigital: NewDigital.enabled
    property string cloud: Televend.cloudConnectionStatusString
}
)";

TEST(ExposeToQml, PublishesTheThreePropertyObjectsThatQmlBindsTo)
{
    QQmlEngine engine;
    bridge::Bridge().exposeToQml(*engine.rootContext());
    EXPECT_EQ(
        engine.rootContext()->contextProperty("AmiClo").value<QObject*>(), AmiCloProperties::instance());
    EXPECT_EQ(
        engine.rootContext()->contextProperty("Televend").value<QObject*>(), TelevendProperties::instance());
    EXPECT_EQ(engine.rootContext()->contextProperty("NewDigital").value<QObject*>(),
        NewDigitalProperties::instance());
    EXPECT_FALSE(engine.rootContext()->contextProperty("Sophia").isValid());

    AmiCloProperties::instance()->setActive(false);
    TelevendProperties::instance()->setEnabled(true);
    NewDigitalProperties::instance()->setEnabled(false);
    TelevendProperties::instance()->setCloudConnectionStatus(0);
    QString errors;
    const std::unique_ptr<QObject> reader = create(engine, *engine.rootContext(), kReader, &errors);
    ASSERT_TRUE(reader) << qPrintable(errors);
    EXPECT_EQ(reader->property("amiClo"), false);
    EXPECT_EQ(reader->property("televend"), true);
    EXPECT_EQ(reader->property("newDigital"), false);
    EXPECT_EQ(reader->property("cloud"), "Not connected");

    AmiCloProperties::instance()->setActive(true);
    NewDigitalProperties::instance()->setEnabled(true);
    TelevendProperties::instance()->setCloudConnectionStatus(3);
    EXPECT_EQ(reader->property("amiClo"), true);
    EXPECT_EQ(reader->property("newDigital"), true);
    EXPECT_EQ(reader->property("cloud"), "Connected, active");
}

TEST(ExposeToQml, QmlCannotCreateAmiCloPropertiesAndIsToldWhy)
{
    QQmlEngine engine;
    bridge::Bridge().exposeToQml(*engine.rootContext());
    QString errors;
    const std::unique_ptr<QObject> object
        = create(engine, *engine.rootContext(), "import VendingBridge 1.0\nAmiCloProperties {}\n", &errors);
    EXPECT_FALSE(object);
    EXPECT_TRUE(errors.contains("AmiClo properties can only be created from the bridge."))
        << qPrintable(errors);
}

TEST(ExposeToQml, EveryContextGetsTheSameObjectsWhichOutliveTheEngines)
{
    bridge::Bridge bridge;
    {
        QQmlEngine first;
        QQmlEngine second;
        QQmlContext child(first.rootContext());
        bridge.exposeToQml(*first.rootContext());
        bridge.exposeToQml(*second.rootContext());
        bridge.exposeToQml(child);
        for (const char* name : { "AmiClo", "Televend", "NewDigital" }) {
            const QObject* published = first.rootContext()->contextProperty(name).value<QObject*>();
            ASSERT_TRUE(published) << name;
            EXPECT_EQ(second.rootContext()->contextProperty(name).value<QObject*>(), published) << name;
            EXPECT_EQ(child.contextProperty(name).value<QObject*>(), published) << name;
        }
        QString errors;
        const std::unique_ptr<QObject> reader = create(second, *second.rootContext(), kReader, &errors);
        ASSERT_TRUE(reader) << qPrintable(errors);
    }
    // The engines are gone; the objects are not theirs to delete.
    AmiCloProperties::instance()->setActive(!AmiCloProperties::instance()->active());
    EXPECT_EQ(AmiCloProperties::instance()->property("linesPerLogPage"), 100);
}

using ExposedAccessors = MachineTest;

// The accessors and QML meet in the published objects: reports bind, requests come back.
TEST_F(ExposedAccessors, AReportNotifiesABindingAndARequestFromQmlReachesTheAccessor)
{
    loadConfiguration();
    const auto amiClo = createAccessor<lea::connectivity::AmiClo>();
    const auto newDigital = createAccessor<lea::connectivity::NewDigital>();
    ASSERT_TRUE(amiClo && newDigital);
    QQmlEngine engine;
    bridge::Bridge().exposeToQml(*engine.rootContext());
    QString errors;
    const std::unique_ptr<QObject> view = create(engine, *engine.rootContext(), R"(
import QtQml 2.0
QtObject {
    property string version: AmiClo.libraryVersion
    property string status: NewDigital.cloudConnectionStatusString
    function ask() { AmiClo.importConfigGroup(); NewDigital.updateNetworkLog(4) }
}
)",
        &errors);
    ASSERT_TRUE(view) << qPrintable(errors);

    amiClo->libraryVersionChanged(QStringLiteral("engine 1"));
    newDigital->cloudConnectionStatusChanged(lea::connectivity::NewDigital::Connecting);
    EXPECT_EQ(view->property("version"), "engine 1");
    EXPECT_EQ(view->property("status"), "Connecting");

    QSignalSpy importAsked(amiClo.get(), &lea::connectivity::AmiClo::importConfigGroup);
    QSignalSpy pageAsked(newDigital.get(), &lea::connectivity::NewDigital::updateNetworkLog);
    QMetaObject::invokeMethod(view.get(), "ask");
    EXPECT_EQ(importAsked.count(), 1);
    ASSERT_EQ(pageAsked.count(), 1);
    EXPECT_EQ(pageAsked.at(0).at(0).toUInt(), 4u);
}

} // namespace

#pragma once

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <QMetaProperty>
#include <QObject>
#include <QSignalSpy>
#include <QVariant>

/// One notifying property of a property object, as QML sees it: its name,
/// its notify signal, its initial value, another value, and its C++ setter.
template <class Object> struct PropertyCase
{
    const char* property;
    const char* notify;
    QVariant initial;
    QVariant other;
    std::function<void(Object&, const QVariant&)> set;
};

template <class Object> void PrintTo(const PropertyCase<Object>& entry, std::ostream* os)
{
    *os << entry.property;
}

/// A setter of a property object for the table.
#define PROPERTY_SETTER(Object, setter, Type)                                                                \
    [](Object& object, const QVariant& value) { object.setter(value.value<Type>()); }

/// The table entry of `property`, notified by `<property>Changed` and set by `setter` with a `Type`.
#define PROPERTY_CASE(Object, property, setter, Type, initial, other)                                        \
    {                                                                                                        \
#property, #property "Changed", initial, other, PROPERTY_SETTER(Object, setter, Type)                \
    }

/// A fresh object of a class whose instances are otherwise process-wide.
template <class Object> struct Fresh : Object
{
};

/// The property starts at its initial value; a new value is stored and
/// notified once; setting it again notifies nothing; back to the initial value
/// notifies once more.
template <class Object> void checkPropertyCase(const PropertyCase<Object>& entry)
{
    const auto object = std::make_unique<Fresh<Object>>();
    const QMetaObject* meta = object->metaObject();
    const int index = meta->indexOfProperty(entry.property);
    ASSERT_GE(index, 0);
    const QMetaProperty property = meta->property(index);
    ASSERT_TRUE(property.hasNotifySignal());
    EXPECT_EQ(property.notifySignal().name(), QByteArray(entry.notify));
    EXPECT_EQ(property.read(object.get()), entry.initial);
    ASSERT_NE(entry.initial, entry.other);

    QSignalSpy spy(object.get(), QByteArray("2" + property.notifySignal().methodSignature()).constData());
    ASSERT_TRUE(spy.isValid());
    entry.set(*object, entry.other);
    EXPECT_EQ(property.read(object.get()), entry.other);
    EXPECT_EQ(spy.count(), 1);
    entry.set(*object, entry.other);
    EXPECT_EQ(spy.count(), 1);
    entry.set(*object, entry.initial);
    EXPECT_EQ(property.read(object.get()), entry.initial);
    EXPECT_EQ(spy.count(), 2);
}

/// The names of the signals that `meta` declares itself, in declaration order.
inline QList<QByteArray> ownSignals(const QMetaObject& meta)
{
    QList<QByteArray> names;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        if (meta.method(i).methodType() == QMetaMethod::Signal)
            names << meta.method(i).methodSignature();
    }
    return names;
}

#pragma once

#include "support/accessors.h"
#include "support/machinetest.h"

#include <memory>

/// An accessor of `Interface`, made as the interface layer makes it and
/// checked to be the bridge's `Concrete`, on a machine with no configuration
/// loaded unless the test loads one.
template <class Interface, class Concrete = Interface> class MachineAccessorTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        prepare();
        accessor = createAccessor<Interface, Concrete>();
        ASSERT_TRUE(accessor);
        clearLog();
    }
    /// What the machine needs before the accessor is made.
    virtual void prepare() { }

    std::unique_ptr<Concrete> accessor;
};

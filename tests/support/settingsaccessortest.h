#pragma once

#include "core/configuration/configurationgroup.h"
#include "core/settings/settingsstore.h"
#include "support/accessors.h"
#include "support/machinetest.h"

#include <memory>

/// A loaded configuration and an accessor of `Interface`, made as the
/// interface layer makes it and checked to be the bridge's `Concrete`.
template <class Interface, class Concrete = Interface> class SettingsAccessorTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        loadConfiguration();
        accessor = createAccessor<Interface, Concrete>();
        ASSERT_TRUE(accessor);
        clearLog();
    }

    SettingsStore& store() const { return *machine().core().configurationGroup()->settingsStore(); }
    /// Reads the settings table again and builds a new configuration from it.
    void reload()
    {
        store().reload();
        loadConfiguration();
    }

    std::unique_ptr<Concrete> accessor;
};

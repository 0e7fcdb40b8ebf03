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

    /// Refuses the setting `key`, calls `write` and checks that `failure` is logged once and that
    /// `read` gives what it gave before, in memory and after a reload; then accepts writes again.
    template <class Write, class Read>
    void expectRefusedSaveKeeps(const QString& key, const QString& failure, Write&& write, Read&& read)
    {
        SCOPED_TRACE(key.toStdString());
        const auto before = read();
        refuseSetting(key);
        clearLog();
        write();
        EXPECT_EQ(logEntriesContaining(failure).size(), 1);
        EXPECT_EQ(read(), before);
        reload();
        EXPECT_EQ(read(), before);
        acceptWrites();
    }

    std::unique_ptr<Concrete> accessor;
};

#pragma once

#include "core/configuration/configurationgroup.h"
#include "core/settings/settingsstore.h"
#include "support/machineaccessortest.h"

/// MachineAccessorTest with a loaded configuration made before the accessor.
template <class Interface, class Concrete = Interface>
class SettingsAccessorTest : public MachineAccessorTest<Interface, Concrete>
{
protected:
    void prepare() override { this->loadConfiguration(); }

    SettingsStore& store() const { return *this->machine().core().configurationGroup()->settingsStore(); }
    /// Reads the settings table again and builds a new configuration from it.
    void reload()
    {
        store().reload();
        this->loadConfiguration();
    }

    /// Refuses the setting `key`, calls `write` and checks that `failure` is logged once and that
    /// `read` gives what it gave before, in memory and after a reload; then accepts writes again.
    template <class Write, class Read>
    void expectRefusedSaveKeeps(const QString& key, const QString& failure, Write&& write, Read&& read)
    {
        SCOPED_TRACE(key.toStdString());
        const auto before = read();
        this->refuseSetting(key);
        this->clearLog();
        write();
        EXPECT_EQ(this->logEntriesContaining(failure).size(), 1);
        EXPECT_EQ(read(), before);
        reload();
        EXPECT_EQ(read(), before);
        this->acceptWrites();
    }
};

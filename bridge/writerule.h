#pragma once

#include "core/log/loglevel.h"
#include "core/log/logmodule.h"

#include <memory>
#include <QPointer>
#include <QSqlDatabase>
#include <QVariant>
#include <utility>
#include <vector>

class ConfigurationLoader;
class QObject;

namespace bridge {
namespace utils {

/// Logs the failures of one operation: its signature, then the text, in the
/// accessor's module. Level 3 marks a refused request, level 4 a database or
/// file failure.
class FailureLog
{
public:
    FailureLog(const char* signature, const LogModule& module)
        : m_signature(signature)
        , m_module(module)
    {
    }

    void warning(const char* text) const;
    void error(const char* text) const;

    /// The write rule: `stored` is the core's answer to a save or delete. When
    /// it is false the failure is logged and false returned, and the caller
    /// leaves the loaded objects as they were, so that memory never holds a
    /// change the database refused.
    bool stored(bool stored, const char* text, LogLevel::Level level = LogLevel::Error) const;

private:
    const char* m_signature;
    const LogModule& m_module;
};

/// Puts loaded core objects back as they were unless the change made to them
/// was stored: takes a copy of each object's stored properties when it is
/// added, and writes them back on destruction unless commit() was called.
class Rollback
{
public:
    Rollback() = default;
    explicit Rollback(QObject& object) { add(object); }
    ~Rollback();

    Rollback(const Rollback&) = delete;
    Rollback& operator=(const Rollback&) = delete;

    void add(QObject& object);
    /// The change was stored: keep it.
    void commit() { m_objects.clear(); }

private:
    std::vector<std::pair<QPointer<QObject>, std::vector<QVariant>>> m_objects;
};

/// Gives `to` the stored properties of `from`, an object of the same class:
/// the loaded copies of one stored object are kept alike this way.
void copyProperties(const QObject& from, QObject& to);

/// Makes several writes of one operation all or nothing: opened on the
/// loader's database, rolled back on destruction unless committed. The core's
/// own multi-statement writes nest inside it.
class Transaction
{
public:
    explicit Transaction(const ConfigurationLoader& loader);
    ~Transaction();

    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool isOpen() const { return m_open; }
    /// True when every write since the start is stored.
    bool commit();

private:
    QSqlDatabase m_database;
    bool m_open = false;
};

/// A writer bound to the active configuration group's database for one
/// operation, or null when there is no group.
std::unique_ptr<ConfigurationLoader> transientLoader();

} // namespace utils
} // namespace bridge

#include "bridge/writerule.h"

#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"
#include "core/log/logformatter.h"

#include <QMetaProperty>

namespace bridge {
namespace utils {

void FailureLog::warning(const char* text) const
{
    LogFormatter(LogLevel::Warning).log(m_module) << m_signature << text;
}

void FailureLog::error(const char* text) const
{
    LogFormatter(LogLevel::Error).log(m_module) << m_signature << text;
}

bool FailureLog::stored(bool stored, const char* text, LogLevel::Level level) const
{
    if (!stored)
        LogFormatter(level).log(m_module) << m_signature << text;
    return stored;
}

namespace {

// objectName is no state of a catalogue object.
int firstOwnProperty()
{
    return QObject::staticMetaObject.propertyCount();
}

} // namespace

void Rollback::add(QObject& object)
{
    const QMetaObject* meta = object.metaObject();
    std::vector<QVariant> values;
    for (int i = firstOwnProperty(); i < meta->propertyCount(); ++i)
        values.push_back(meta->property(i).read(&object));
    m_objects.emplace_back(&object, std::move(values));
}

Rollback::~Rollback()
{
    // Newest first, should one object have been added twice.
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
        QObject* object = it->first.data();
        if (!object)
            continue;
        const QMetaObject* meta = object->metaObject();
        for (int i = firstOwnProperty(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (property.isWritable())
                property.write(object, it->second[std::size_t(i - firstOwnProperty())]);
        }
    }
}

void copyProperties(const QObject& from, QObject& to)
{
    const QMetaObject* meta = from.metaObject();
    if (to.metaObject() != meta)
        return;
    for (int i = firstOwnProperty(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.isWritable())
            property.write(&to, property.read(&from));
    }
}

Transaction::Transaction(const ConfigurationLoader& loader)
    : m_database(loader.database() ? loader.database()->database() : QSqlDatabase())
{
    m_open = m_database.isOpen() && m_database.transaction();
}

Transaction::~Transaction()
{
    if (m_open)
        m_database.rollback();
}

bool Transaction::commit()
{
    if (!m_open)
        return false;
    m_open = false;
    if (m_database.commit())
        return true;
    m_database.rollback();
    return false;
}

std::unique_ptr<ConfigurationLoader> transientLoader()
{
    ConfigurationGroup* group = gCoreEnv->configurationGroup();
    if (!group)
        return nullptr;
    auto loader = std::make_unique<ConfigurationLoader>();
    loader->setDatabase(group->database());
    return loader;
}

} // namespace utils
} // namespace bridge

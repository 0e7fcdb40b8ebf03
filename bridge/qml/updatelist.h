#pragma once

#include <QString>
#include <QStringList>

namespace bridge {
namespace qml {

/// The downloaded updates that wait to be imported, by name, as the telemetry
/// property objects show them.
class UpdateList
{
public:
    QStringList names() const { return m_names; }
    bool isEmpty() const { return m_names.isEmpty(); }
    bool contains(const QString& name) const { return m_names.contains(name); }

    /// Lists `name` once while it is available, not at all otherwise.
    void setAvailable(const QString& name, bool available)
    {
        if (!available)
            m_names.removeAll(name);
        else if (!m_names.contains(name))
            m_names << name;
    }

private:
    QStringList m_names;
};

} // namespace qml
} // namespace bridge

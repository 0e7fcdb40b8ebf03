#pragma once

#include <initializer_list>
#include <QMetaMethod>
#include <QObject>
#include <QStringList>
#include <type_traits>
#include <utility>

/// The names of the given parameterless signals of `sender`, in the order they are emitted.
class SignalNames : public QObject
{
public:
    template <class Sender>
    SignalNames(Sender& sender, std::initializer_list<void (std::common_type_t<Sender>::*)()> names)
    {
        for (const auto signal : names) {
            const QString name = QString::fromLatin1(QMetaMethod::fromSignal(signal).name());
            connect(&sender, signal, this, [this, name] { m_names << name; });
        }
    }

    void record(const QString& name) { m_names << name; }
    /// The names recorded since the last call.
    QStringList take() { return std::exchange(m_names, {}); }

private:
    QStringList m_names;
};

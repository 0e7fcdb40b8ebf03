#pragma once

#include <ostream>
#include <QString>
#include <QStringList>

// Readable failure messages for Qt values.
inline void PrintTo(const QString& value, std::ostream* os)
{
    *os << '"' << value.toStdString() << '"';
}

inline void PrintTo(const QStringList& value, std::ostream* os)
{
    *os << '{';
    for (int i = 0; i < value.size(); ++i)
        *os << (i ? ", \"" : "\"") << value.at(i).toStdString() << '"';
    *os << '}';
}

#pragma once

#include <gtest/gtest.h>
#include <ostream>
#include <QString>
#include <QStringList>
#include <string>

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

/// Names the cases of a parameterised test after their `name` field.
template <class Param> std::string caseName(const ::testing::TestParamInfo<Param>& info)
{
    return info.param.name;
}

#pragma once

#include <QString>
#include <QVersionNumber>

/// A dotted version such as "3.0.14.0", compared part by part.
class VersionNumber
{
public:
    VersionNumber() = default;
    explicit VersionNumber(const QString& text)
        : m_version(QVersionNumber::fromString(text))
    {
    }

    QString toString() const { return m_version.toString(); }
    bool operator>=(const VersionNumber& other) const { return m_version >= other.m_version; }

private:
    QVersionNumber m_version;
};

#pragma once

#include <QString>

/// A filter of the selection screen: it shows the products whose attribute
/// mask has one bit set.
class ProductFilter
{
public:
    /// The database row id; negative until the filter is stored.
    int id() const { return m_id; }
    void setId(int id) { m_id = id; }
    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    /// The number of the attribute bit selected on; only its value modulo 32 counts.
    int attributeBit() const { return m_attributeBit; }
    void setAttributeBit(int bit) { m_attributeBit = bit; }
    /// The filter's number on the selection screen.
    int filterNumber() const { return m_filterNumber; }
    void setFilterNumber(int number) { m_filterNumber = number; }
    /// Shown on the selection screen.
    quint8 firstFlag() const { return m_firstFlag; }
    void setFirstFlag(quint8 flag) { m_firstFlag = flag; }
    /// Shown on the operator's screens.
    quint8 secondFlag() const { return m_secondFlag; }
    void setSecondFlag(quint8 flag) { m_secondFlag = flag; }

private:
    int m_id = -1;
    QString m_name;
    int m_attributeBit = 0;
    int m_filterNumber = 0;
    quint8 m_firstFlag = 0;
    quint8 m_secondFlag = 0;
};

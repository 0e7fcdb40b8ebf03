#pragma once

#include <QList>
#include <QString>
#include <QVariant>

/// One nutritional value of a canister's ingredient, a snack or a recipe:
/// a name, a value and its unit. A canister's values are per gram of its
/// ingredient (per millilitre for syrups).
class NutritionalInformation
{
public:
    NutritionalInformation() = default;
    NutritionalInformation(const QString& name, const QVariant& value, const QString& unit, int id = -1);

    /// The database row id; negative for values computed or not stored.
    int id() const { return m_id; }
    void setId(int id) { m_id = id; }
    const QString& name() const { return m_name; }
    /// The name in the interface's current language; the name itself without a translation.
    QString translatedName() const;
    const QVariant& value() const { return m_value; }
    void setValue(const QVariant& value) { m_value = value; }
    const QString& unit() const { return m_unit; }

    friend bool operator==(const NutritionalInformation& a, const NutritionalInformation& b)
    {
        return a.m_id == b.m_id && a.m_name == b.m_name && a.m_value == b.m_value && a.m_unit == b.m_unit;
    }

private:
    int m_id = -1;
    QString m_name;
    QVariant m_value;
    QString m_unit;
};

using NutritionalInformationList = QList<NutritionalInformation>;

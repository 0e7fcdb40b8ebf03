#pragma once

#include <QMetaType>

/// The water a preparation step dispenses: a dose in the step's dose unit and
/// a pump speed in core speed units.
class Water
{
public:
    int dose() const { return m_dose; }
    void setDose(int dose) { m_dose = dose; }

    int speed() const { return m_speed; }
    void setSpeed(int speed) { m_speed = speed; }

private:
    int m_dose = 0;
    int m_speed = 0;
};

Q_DECLARE_METATYPE(Water)

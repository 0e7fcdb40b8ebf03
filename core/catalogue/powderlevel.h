#pragma once

#include <QMetaType>

/// The fill-level supervision of a canister.
class PowderLevel
{
public:
    bool isEmptyCheckEnabled() const { return m_emptyCheckEnabled; }
    void setEmptyCheckEnabled(bool enabled) { m_emptyCheckEnabled = enabled; }

    bool isLevelSensorEnabled() const { return m_levelSensorEnabled; }
    void setLevelSensorEnabled(bool enabled) { m_levelSensorEnabled = enabled; }

    /// At or below this many grams the canister counts as empty.
    int gramsEmptyTreshold() const { return m_gramsEmptyTreshold; }
    void setGramsEmptyTreshold(int grams) { m_gramsEmptyTreshold = grams; }

    int weightWhenFull() const { return m_weightWhenFull; }
    void setWeightWhenFull(int grams) { m_weightWhenFull = grams; }

    /// The content, in tenths of a gram.
    int currentValue() const { return m_currentValue; }
    void setCurrentValue(int decigrams) { m_currentValue = decigrams; }

    // In 64 bits: any threshold may be set, and ten times a large one overflows an int.
    bool isEmpty() const
    {
        return m_emptyCheckEnabled && qint64(m_currentValue) <= qint64(m_gramsEmptyTreshold) * 10;
    }

private:
    bool m_emptyCheckEnabled = false;
    bool m_levelSensorEnabled = false;
    int m_gramsEmptyTreshold = 0;
    int m_weightWhenFull = 0;
    int m_currentValue = 0;
};

Q_DECLARE_METATYPE(PowderLevel)

#pragma once

#include "core/catalogue/cataloguerevision.h"
#include "nonstd/optional.hpp"

#include <QList>
#include <QObject>
#include <QString>

/// A choice the buyer may make on a recipe: `stepCount` choices, of which
/// `currentChoiceIndex` is taken.
class RecipeCustomization : public QObject
{
    Q_OBJECT

public:
    enum CustomizationType : int {
        StrengthCustomization = 0,
        SizeCustomization = 1,
        MilkCustomization = 2,
        LegacyCustomization = 3,
        SugarCustomization = 4,
        TemperatureCustomization = 5,
        IntensityCustomization = 6,
        AromaCustomization = 7,
        FoamCustomization = 8,
        SyrupCustomization = 9,
        ChocolateCustomization = 10,
        CreamCustomization = 11,
        ToppingCustomization = 12,
        ExtraShotCustomization = 13,
        DecafCustomization = 14,
        WaterCustomization = 15,
        IceCustomization = 16,
        SweetenerCustomization = 17,
        VanillaCustomization = 18,
        CaramelCustomization = 19,
        HazelnutCustomization = 20,
        CinnamonCustomization = 21,
        TeaCustomization = 22,
        CupCustomization = 23,
        LidCustomization = 24,
        /// Stored by older editors for milk; read like MilkCustomization.
        MilkAlternativeCustomization = 25,
        CustomCustomization = 26,
    };

    enum IconType : int {
        NoIcon = 0,
        BeanIcon = 1,
        DropIcon = 2,
        CupIcon = 3,
        CubeIcon = 4,
    };

    /// `parameterKind`, `parameterMin` and `parameterMax` describe the machine
    /// parameter the customization drives (0: none).
    RecipeCustomization(CustomizationType type, const QString& name, int defaultIndex,
        int hundredPercentIndex, int stepCount, float costVariation, quint8 horizontal, int parameterKind,
        IconType icon, int parameterMin, int parameterMax, QObject* parent = nullptr);
    ~RecipeCustomization() override;

    /// The database row id; negative until the customization is stored.
    int dbId() const { return m_dbId; }
    void setDbId(int id)
    {
        m_dbId = id;
        CatalogueRevision::bump();
    }

    CustomizationType type() const { return m_type; }
    QString name() const { return m_name; }
    IconType iconType() const { return m_icon; }

    int defaultIndex() const { return m_defaultIndex; }
    /// The choice that dispenses the recipe as written.
    int hundredPercentIndex() const { return m_hundredPercentIndex; }
    int stepCount() const { return m_stepCount; }
    /// The price change per choice step.
    float costVariation() const { return m_costVariation; }
    /// Choices laid out in a row rather than a column.
    quint8 horizontal() const { return m_horizontal; }
    int parameterKind() const { return m_parameterKind; }
    int parameterMin() const { return m_parameterMin; }
    int parameterMax() const { return m_parameterMax; }

    bool isEnabled() const { return m_enabled; }
    void setIsEnabled(bool enabled) { m_enabled = enabled; }
    bool isAvailable() const { return m_available; }
    void setIsAvailable(bool available);
    bool isAdjustmentRequired() const { return m_adjustmentRequired; }
    void setIsAdjustmentRequired(bool required) { m_adjustmentRequired = required; }

    /// Starts at the default index; not stored.
    int currentChoiceIndex() const { return m_currentChoiceIndex; }
    void setCurrentChoiceIndex(int index);
    /// A choice imposed from outside the menu (a quick code); -1 when none. Not stored.
    int forcedIndex() const { return m_forcedIndex; }
    void setForcedIndex(int index) { m_forcedIndex = index; }
    /// The choice indexes the buyer may take: 0 to stepCount - 1.
    QList<int> stepsCountsAvailable() const;

    nonstd::optional<QString> extraText() const { return m_extraText; }
    void setExtraText(const nonstd::optional<QString>& text) { m_extraText = text; }

signals:
    void valueChanged(int index);
    void isAvailableChanged(bool available);

private:
    int m_dbId = -1;
    CustomizationType m_type;
    QString m_name;
    int m_defaultIndex;
    int m_hundredPercentIndex;
    int m_stepCount;
    float m_costVariation;
    quint8 m_horizontal;
    int m_parameterKind;
    IconType m_icon;
    int m_parameterMin;
    int m_parameterMax;
    bool m_enabled = true;
    bool m_available = true;
    bool m_adjustmentRequired = false;
    int m_currentChoiceIndex;
    int m_forcedIndex = -1;
    nonstd::optional<QString> m_extraText;
};

#pragma once

#include "core/catalogue/cataloguerevision.h"
#include "core/catalogue/optionaltext.h"
#include "core/catalogue/water.h"
#include "nonstd/optional.hpp"

#include <QList>
#include <QObject>
#include <QString>

class AbstractIngredient;

/// One stage of a recipe: the water it dispenses and the ingredients it doses,
/// in order. Ingredients are children of the step.
class AbstractPreparationStep : public QObject
{
    Q_OBJECT
    // The stored fields, so that an editor can take a copy and put it back.
    Q_PROPERTY(QString description READ description WRITE setDescription)
    Q_PROPERTY(WaterType waterType READ waterType WRITE setWaterType)
    Q_PROPERTY(Water water READ water WRITE setWater)
    Q_PROPERTY(int startDelayCS READ startDelayCS WRITE setStartDelayCS)
    Q_PROPERTY(nonstd::optional<QString> extraText READ extraText WRITE setExtraText)

public:
    enum PreparationStepType : int {
        UndefinedStep = 0,
        DrySugarStep = 1,
        EspressoStep = 2,
        LongEspressoStep = 5,
        InstantStep = 3,
        WaterOnlyStep = 4,
        TeaStep = 6,
        /// Needs a fresh-milk module, which this machine has not.
        FreshMilkStep = 7,
        SyrupStep = 8,
        ShortEspressoStep = 9,
    };

    /// The water circuit a step draws from: 0 to 50 are the circuits of the
    /// hydraulic layout, 255 none.
    enum WaterType : int {
        HotWater = 0,
        ColdWater = 1,
        SparklingWater = 2,
        EspressoBoilerWater = 3,
        SteamWater = 4,
        LastWaterCircuit = 50,
        NoWater = 255,
    };
    Q_ENUM(WaterType)

    enum DoseUnity : int {
        Millilitres = 0,
        FlowmeterPulses = 1,
    };

    ~AbstractPreparationStep() override;

    /// The database row id; negative until the step is stored.
    int dbId() const { return m_dbId; }
    void setDbId(int id)
    {
        m_dbId = id;
        CatalogueRevision::bump();
    }

    PreparationStepType type() const { return m_type; }

    QString description() const { return m_description; }
    void setDescription(const QString& description) { m_description = description; }

    WaterType waterType() const { return m_waterType; }
    void setWaterType(WaterType type) { m_waterType = type; }

    Water& water() { return m_water; }
    const Water& water() const { return m_water; }
    void setWater(const Water& water) { m_water = water; }

    /// Delay before the step starts, in hundredths of a second.
    int startDelayCS() const { return m_startDelayCS; }
    void setStartDelayCS(int delay) { m_startDelayCS = delay; }

    /// The unit of the water component's dose.
    virtual DoseUnity doseUnity() const { return Millilitres; }
    static QString doseUnityToString(int unit);
    /// The water dose in millilitres, whatever unit the water component counts in.
    virtual int dose() const { return m_water.dose(); }
    virtual void setDose(int millilitres) { m_water.setDose(millilitres); }

    virtual bool canAdjustWaterDose() const { return true; }
    /// The water the step dispenses, and the most it may be set to, in millilitres.
    int waterVolume_ml() const { return canAdjustWaterDose() ? dose() : 0; }
    virtual int maxWaterVolume_ml() const { return canAdjustWaterDose() ? 500 : 0; }
    /// Duration of the step's dispensing, in hundredths of a second.
    int erogationTimeCS() const;

    /// The dose range an ingredient of this step accepts.
    virtual double minIngredientDose() const { return 0.0; }
    virtual double maxIngredientDose() const { return 100.0; }

    QList<AbstractIngredient*> ingredients() const { return m_ingredients; }
    QList<const AbstractIngredient*> ingredientsConst() const;
    /// Appends an ingredient and takes ownership. Refuses (false, ownership
    /// stays with the caller) a null ingredient or one whose stored id is already in the step.
    bool addIngredient(AbstractIngredient* ingredient);
    /// Removes and destroys the ingredient at `position`; false when there is none.
    bool deleteIngredient(int position);

    nonstd::optional<QString> extraText() const { return m_extraText; }
    void setExtraText(const nonstd::optional<QString>& text) { m_extraText = text; }

protected:
    AbstractPreparationStep(PreparationStepType type, QObject* parent);

private:
    int m_dbId = -1;
    PreparationStepType m_type;
    QString m_description;
    WaterType m_waterType = HotWater;
    Water m_water;
    int m_startDelayCS = 0;
    QList<AbstractIngredient*> m_ingredients;
    nonstd::optional<QString> m_extraText;
};

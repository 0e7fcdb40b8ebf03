#pragma once

#include "core/catalogue/cataloguerevision.h"
#include "core/catalogue/nutritionalinformation.h"
#include "core/catalogue/powderlevel.h"

#include <QObject>
#include <QString>
#include <QUrl>

/// A container of one ingredient, bound to a logical canister id.
class Canister : public QObject
{
    Q_OBJECT
    // The settings an editor changes, so that it can take a copy and put it back.
    Q_PROPERTY(int calibrationMin READ calibrationMin WRITE setCalibrationMin)
    Q_PROPERTY(int calibrationMax READ calibrationMax WRITE setCalibrationMax)
    Q_PROPERTY(PowderLevel level READ level WRITE setLevel)

public:
    /// The ingredient a canister holds, as recipes name it.
    enum LogicalCanisterId : int {
        NoIngredient = 0,
        CoffeeBeans = 1,
        DecafBeans = 2,
        InstantCoffee = 3,
        MilkPowder = 4,
        Chocolate = 5,
        WhiteChocolate = 6,
        Sugar = 7,
        BrownSugar = 8,
        Sweetener = 9,
        Topping = 10,
        Tea = 11,
        LemonTea = 12,
        GreenTea = 13,
        FruitTea = 14,
        ChaiTea = 15,
        Soup = 16,
        Cappuccino = 17,
        Vanilla = 18,
        Caramel = 19,
        Hazelnut = 20,
        Cinnamon = 21,
        Cocoa = 22,
        Cream = 23,
        Creamer = 24,
        OatPowder = 25,
        Matcha = 26,
        Mocha = 27,
        GroundCoffee = 28,
        SecondCoffeeBeans = 29,
        SecondMilkPowder = 30,
        SecondChocolate = 31,
        FirstSyrup = 32,
        SecondSyrup = 33,
        ThirdSyrup = 34,
        FourthSyrup = 35,
        WaterIngredient = 36,
    };
    Q_ENUM(LogicalCanisterId)

    explicit Canister(QObject* parent = nullptr);
    ~Canister() override;

    /// The translation key naming a logical ingredient; empty for an unknown id.
    static QString logicalIdToTranslationKey(LogicalCanisterId id);

    /// The database row id; negative until the canister is stored.
    int id() const { return m_id; }
    void setId(int id)
    {
        m_id = id;
        CatalogueRevision::bump();
    }

    LogicalCanisterId logicalCanisterId() const { return m_logicalCanisterId; }
    void setLogicalCanisterId(LogicalCanisterId id) { m_logicalCanisterId = id; }

    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    /// The product filled in, as the operator names it.
    QString productName() const { return m_productName; }
    void setProductName(const QString& name) { m_productName = name; }

    /// The container kind: 0 powder, 1 beans, 2 syrup, 3 fresh product.
    int type() const { return m_type; }
    void setType(int type) { m_type = type; }

    /// Allergens, comma-separated.
    QString allergens() const { return m_allergens; }
    void setAllergens(const QString& allergens) { m_allergens = allergens; }

    /// Enabled by the operator and not empty.
    bool isAvailable() const { return m_enabled && !m_powderLevel.isEmpty(); }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    /// The auger speed range of the canister's dosing calibration.
    int calibrationMin() const { return m_calibrationMin; }
    void setCalibrationMin(int speed) { m_calibrationMin = speed; }
    int calibrationMax() const { return m_calibrationMax; }
    void setCalibrationMax(int speed) { m_calibrationMax = speed; }

    /// Values per gram of the ingredient (per millilitre for syrups).
    NutritionalInformationList nutritionalInformationList() const { return m_nutrition; }
    void setNutritionalInformationList(const NutritionalInformationList& list) { m_nutrition = list; }
    QUrl nutritionalImage() const { return m_nutritionalImage; }
    void setNutritionalImage(const QUrl& image) { m_nutritionalImage = image; }

    PowderLevel* powderLevel() { return &m_powderLevel; }
    PowderLevel level() const { return m_powderLevel; }
    void setLevel(const PowderLevel& level) { m_powderLevel = level; }
    const PowderLevel* powderLevel() const { return &m_powderLevel; }

private:
    int m_id = -1;
    LogicalCanisterId m_logicalCanisterId = NoIngredient;
    QString m_name;
    QString m_productName;
    int m_type = 0;
    QString m_allergens;
    bool m_enabled = true;
    int m_calibrationMin = 0;
    int m_calibrationMax = 100;
    PowderLevel m_powderLevel;
    NutritionalInformationList m_nutrition;
    QUrl m_nutritionalImage;
};

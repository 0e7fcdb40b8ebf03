#pragma once

#include "core/catalogue/nutritionalinformation.h"
#include "core/catalogue/product.h"

/// A product of type Snack.
class Snack : public Product
{
    Q_OBJECT
    Q_PROPERTY(int snackNumber READ snackNumber WRITE setSnackNumber)

public:
    explicit Snack(QObject* parent = nullptr);
    ~Snack() override;

    /// The number of the snack's spiral in the snack module.
    int snackNumber() const { return m_number; }
    void setSnackNumber(int number) { m_number = number; }

    NutritionalInformationList nutritionalInformationList() const { return m_nutrition; }
    void setNutritionalInformationList(const NutritionalInformationList& list) { m_nutrition = list; }
    /// Allergens, comma-separated.
    QString allergens() const { return m_allergens; }
    void setAllergens(const QString& allergens) { m_allergens = allergens; }

private:
    int m_number = 0;
    NutritionalInformationList m_nutrition;
    QString m_allergens;
};

#pragma once

#include <QObject>

namespace lea {
namespace products {

/// Accessor of nutritional information and allergens.
class NutritionalInformation : public QObject
{
    Q_OBJECT

public:
    ~NutritionalInformation() override = default;

protected:
    explicit NutritionalInformation(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea

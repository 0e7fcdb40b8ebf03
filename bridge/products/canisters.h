#pragma once

#include "lea/products/canisters.h"

namespace bridge {
namespace products {

/// The canisters of the loaded configuration, in ascending logical-id order.
class Canisters : public lea::products::Canisters
{
    Q_OBJECT

public:
    explicit Canisters(QObject* parent);

    std::vector<CanisterLevel> levels() const override;
    void setLevels(const std::vector<CanisterLevel>& levels) override;
    std::vector<CanisterCalibration> calibrations() const override;
    void setCalibrations(const std::vector<CanisterCalibration>& calibrations) override;
    std::vector<Canister> canisters() const override;
    QByteArray getFirstImageBase64(lea::CanisterDbId id) const override;
    QFileInfo getFirstImagePath(lea::CanisterDbId id) const override;
    QByteArray getSecondImageBase64(lea::CanisterDbId id) const override;
    QFileInfo getSecondImagePath(lea::CanisterDbId id) const override;
    QString getGlobalAllergens() const override;

    /// The pieces between commas, untrimmed; a final comma ends the last piece.
    static std::vector<QString> splitString(QString text);
};

} // namespace products
} // namespace bridge

#pragma once

#include "lea/connectivity/touchless.h"

namespace bridge {
namespace connectivity {

/// Touchless selection, which this machine does not offer: every operation
/// is reported as a broken invariant and does nothing.
class Touchless : public lea::connectivity::Touchless
{
    Q_OBJECT

public:
    explicit Touchless(QObject* parent);
    ~Touchless() override;

    Settings settings() const override;
    std::vector<QString> confirmationCodes() const override;
    void setNetworkLog(const QString& log) override;
    void setStatus(Status status) override;

public slots:
    void isActiveChanged(bool active) override;
    void qrCodeGenerated(const QString& qrCode) override;
    void invalidSelectionQrCode() override;
};

} // namespace connectivity
} // namespace bridge

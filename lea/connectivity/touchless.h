#pragma once

#include <QObject>
#include <QString>
#include <vector>

namespace lea {
namespace connectivity {

/// Accessor of touchless selection: the customer selects and pays on a phone.
class Touchless : public QObject
{
    Q_OBJECT

public:
    /// The state of the touchless service.
    enum Status : qint32 {
        Inactive = 0,
        Connecting = 1,
        Ready = 2,
        Error = 3,
    };
    Q_ENUM(Status)

    /// The touchless selection service: whether it runs and where its server is.
    struct Settings
    {
        bool enabled = false;
        QString serverUrl;
    };

    ~Touchless() override = default;

    virtual Settings settings() const = 0;
    /// The codes that confirm a touchless vend.
    virtual std::vector<QString> confirmationCodes() const = 0;
    virtual void setNetworkLog(const QString& log) = 0;
    virtual void setStatus(Status status) = 0;

public slots:
    // The client's reports.
    virtual void isActiveChanged(bool active) = 0;
    virtual void qrCodeGenerated(const QString& qrCode) = 0;
    virtual void invalidSelectionQrCode() = 0;

protected:
    explicit Touchless(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea

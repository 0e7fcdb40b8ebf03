#pragma once

#include <QObject>
#include <QString>

namespace webview {

/// A web page's address split into its protocol and the rest.
class HostRelativeUrl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ProtocolEnum protocol READ protocol WRITE setProtocol)
    Q_PROPERTY(QString path READ path WRITE setPath)

public:
    /// The machine's own numbering, stored as it is.
    enum ProtocolEnum : int {
        Https = 0,
        Http = 1,
    };
    Q_ENUM(ProtocolEnum)

    explicit HostRelativeUrl(QObject* parent = nullptr);
    ~HostRelativeUrl() override;

    ProtocolEnum protocol() const { return m_protocol; }
    void setProtocol(ProtocolEnum protocol) { m_protocol = protocol; }
    /// Everything after the protocol; empty for an unused entry.
    QString path() const { return m_path; }
    void setPath(const QString& path) { m_path = path; }

    /// The scheme with its separator ("https://"); empty for a value the machine does not know.
    static QString protocolToString(ProtocolEnum protocol);

private:
    ProtocolEnum m_protocol = Https;
    QString m_path;
};

} // namespace webview

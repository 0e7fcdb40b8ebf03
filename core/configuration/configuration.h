#pragma once

#include <QObject>

class ConfigurationGroup;

/// The loaded configuration: the object model of the catalogue and the
/// settings, built from the active configuration group.
class Configuration : public QObject
{
    Q_OBJECT

public:
    explicit Configuration(ConfigurationGroup& group, QObject* parent = nullptr);
    ~Configuration() override;

    ConfigurationGroup& group() const { return m_group; }

    bool endLineTestEnabled() const { return m_endLineTestEnabled; }
    void setEndLineTestEnabled(bool enabled);

signals:
    void usedProductsChanged();
    void endLineTestEnabledChanged(bool enabled);

private:
    ConfigurationGroup& m_group;
    bool m_endLineTestEnabled = false;
};

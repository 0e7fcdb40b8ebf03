#pragma once

#include <QObject>

class ConfigurationGroup;
class ConfigurationLoader;

/// The loaded configuration: the object model of the catalogue and the
/// settings, built from the active configuration group.
class Configuration : public QObject
{
    Q_OBJECT

public:
    explicit Configuration(ConfigurationGroup& group, QObject* parent = nullptr);
    ~Configuration() override;

    ConfigurationGroup& group() const { return m_group; }
    /// The loader bound to the group's database, owned by this configuration.
    ConfigurationLoader* loader() const { return m_loader; }

    bool endLineTestEnabled() const { return m_endLineTestEnabled; }
    void setEndLineTestEnabled(bool enabled);

signals:
    void usedProductsChanged();
    void endLineTestEnabledChanged(bool enabled);

private:
    ConfigurationGroup& m_group;
    ConfigurationLoader* m_loader;
    bool m_endLineTestEnabled = false;
};

#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of the end-of-line test flag of the configuration.
class EndLineTest : public QObject
{
    Q_OBJECT

public:
    ~EndLineTest() override = default;

    /// False when the flag could not be stored.
    virtual bool setEndLineTestEnabled(bool enabled) = 0;
    virtual bool endLineTestEnabled() const = 0;

signals:
    bool endLineTestEnabledChanged(bool enabled);

protected:
    explicit EndLineTest(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea

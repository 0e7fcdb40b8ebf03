#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of the end-of-line test.
class EndLineTest : public QObject
{
    Q_OBJECT

public:
    ~EndLineTest() override = default;

protected:
    explicit EndLineTest(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea

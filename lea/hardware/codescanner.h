#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the code scanner.
class CodeScanner : public QObject
{
    Q_OBJECT

public:
    ~CodeScanner() override = default;

protected:
    explicit CodeScanner(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea

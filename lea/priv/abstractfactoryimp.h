#pragma once

class QObject;

namespace lea {
namespace priv {

/// Creation of one accessor interface. The pointer argument only selects the
/// overload when a factory serves several interfaces; its value is never used.
template <class AccessorBase> class AbstractFactoryImp
{
public:
    virtual AccessorBase* createImp(AccessorBase*, QObject* parent) = 0;
    virtual bool hasImp(AccessorBase*) const = 0;
    virtual ~AbstractFactoryImp() = default;
};

} // namespace priv
} // namespace lea

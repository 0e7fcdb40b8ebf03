#pragma once

#include <QDebug>
#include <QObject>

namespace lea {
namespace helpers {

/// Implements the creation of AccessorBase by ConcreteAccessor, which is
/// constructed with the parent QObject.
template <class FactoryBase, class ConcreteAccessor, class AccessorBase>
class NewImp : public virtual FactoryBase
{
public:
    AccessorBase* createImp(AccessorBase*, QObject* parent) override { return new ConcreteAccessor(parent); }
    bool hasImp(AccessorBase*) const override { return true; }
};

/// An interface listed as its own implementation is not available on this machine.
template <class FactoryBase, class AccessorBase>
class NewImp<FactoryBase, AccessorBase, AccessorBase> : public virtual FactoryBase
{
public:
    AccessorBase* createImp(AccessorBase*, QObject*) override
    {
        QMessageLogger(QT_MESSAGELOG_FILE, QT_MESSAGELOG_LINE, QT_MESSAGELOG_FUNC).critical()
            << __PRETTY_FUNCTION__ << "Cannot instanciate accessor: not implemented on this machine";
        return nullptr;
    }
    bool hasImp(AccessorBase*) const override { return false; }
};

} // namespace helpers
} // namespace lea

#pragma once

#include <QObject>

/// Whether a configuration offers the accessible (disability) interface, and
/// whether it is the one shown first.
class DisplayDisabledModes : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool disabilityUIAllowed() const { return m_allowed; }
    bool disabilityUIIsDefault() const { return m_isDefault; }
    void setDisabilityUI(bool allowed, bool isDefault)
    {
        if (allowed == m_allowed && isDefault == m_isDefault)
            return;
        m_allowed = allowed;
        m_isDefault = isDefault;
        emit changed();
    }

signals:
    void changed();

private:
    bool m_allowed = false;
    bool m_isDefault = false;
};

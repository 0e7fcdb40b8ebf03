#pragma once

#include <QObject>

/// One of the screen layer's own modules (technical menu, initial loading, screen saver).
class GuiModule : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void setVisible(bool visible)
    {
        if (visible == m_visible)
            return;
        m_visible = visible;
        emit visibleChanged();
    }
    bool isVisible() const { return m_visible; }

signals:
    void visibleChanged();

private:
    bool m_visible = false;
};

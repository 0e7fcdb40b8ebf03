#pragma once

#include <QObject>

/// How the selection screen of a configuration is set up.
class DirectSelectionSettings : public QObject
{
    Q_OBJECT

public:
    /// The selection screen's set-up; the machine's own numbering.
    enum SelectionModeSetup : int {
        SelectionModeSetup0 = 0,
        SelectionModeSetup1 = 1,
        SelectionModeSetup2 = 2,
    };
    Q_ENUM(SelectionModeSetup)

    using QObject::QObject;

    SelectionModeSetup selectionModeSetup() const { return m_setup; }
    /// The flag follows the set-up; set together (simulator hook).
    bool directSelectionFlag() const { return m_flag; }
    void setSelectionModeSetup(SelectionModeSetup setup, bool flag)
    {
        m_setup = setup;
        m_flag = flag;
    }

private:
    SelectionModeSetup m_setup = SelectionModeSetup0;
    bool m_flag = false;
};

#pragma once

#include <QObject>

class GuiCustomization;
class GuiManager;

/// The core's user-interface side.
class GuiEnvironment : public QObject
{
    Q_OBJECT

public:
    explicit GuiEnvironment(QObject* parent = nullptr);
    ~GuiEnvironment() override;

    GuiManager* guiManager() const { return m_guiManager; }
    GuiCustomization* guiCustomization() const { return m_guiCustomization; }

private:
    GuiManager* m_guiManager;
    GuiCustomization* m_guiCustomization;
};

extern GuiEnvironment* gGuiEnv;

#pragma once

#include <QObject>

class GuiManager;

/// The core's user-interface side.
class GuiEnvironment : public QObject
{
    Q_OBJECT

public:
    explicit GuiEnvironment(QObject* parent = nullptr);
    ~GuiEnvironment() override;

    GuiManager* guiManager() const { return m_guiManager; }

private:
    GuiManager* m_guiManager;
};

extern GuiEnvironment* gGuiEnv;

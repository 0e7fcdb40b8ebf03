#pragma once

#include <QList>
#include <QObject>

/// The cleaning settings of a configuration: the rinsings that follow a period
/// without use and the cleanings the machine warns about. The technician edits
/// them on the machine; each save is announced by its signal.
class CleaningSettings : public QObject
{
    Q_OBJECT

public:
    /// The kinds of rinsing the machine runs; what each rinses belongs to the machine.
    enum RinsingType : int {
        Rinsing0 = 0,
        Rinsing1 = 1,
        Rinsing2 = 2,
        Rinsing3 = 3,
        Rinsing4 = 4,
        Rinsing5 = 5,
        Rinsing6 = 6,
        Rinsing7 = 7,
        Rinsing8 = 8,
        Rinsing9 = 9,
        Rinsing10 = 10,
        Rinsing11 = 11,
        Rinsing12 = 12,
        Rinsing13 = 13,
        Rinsing14 = 14,
    };
    Q_ENUM(RinsingType)

    /// What started a rinsing.
    enum RinsingMode : int {
        NoMode = 0,
        ManualMode = 1, ///< the operator, now
        ScheduledMode = 2, ///< the weekly schedule
        InactivityMode = 3, ///< a period without use
        WarningMode = 4, ///< a cleaning the machine warned about
    };
    Q_ENUM(RinsingMode)

    /// How far a rinsing got.
    enum RinsingState : int {
        RinsingRequested = 0,
        RinsingStarted = 1,
        RinsingRunning = 2,
        RinsingFinished = 3,
        RinsingAborted = 4,
    };
    Q_ENUM(RinsingState)

    /// A rinsing run after the machine was not used for a while.
    struct InactivityCleaning
    {
        RinsingType type = Rinsing0;
        bool enabled = false;
        int inactivityMinutes = 0;
        int amount = 0;
    };

    /// A cleaning the machine warns about when it is due.
    struct WarningCleaning
    {
        bool enabled = false;
        int interval = 0;
        int warningBefore = 0;
        bool blocking = false;
        RinsingType type = Rinsing0;
    };

    explicit CleaningSettings(QObject* parent = nullptr);
    ~CleaningSettings() override;

    QList<InactivityCleaning> inactivityCleanings() const { return m_inactivityCleanings; }
    /// As the technician saves them: saveInactivityCleaningSettings() follows.
    void setInactivityCleanings(const QList<InactivityCleaning>& cleanings);
    QList<WarningCleaning> handledWarningCleaningList() const { return m_warningCleanings; }
    /// As the technician saves them: saveWarningCleaningSettings() follows.
    void setWarningCleanings(const QList<WarningCleaning>& cleanings);
    /// The automatic rinsing schedule was saved.
    void announceAutomaticCleaningSaved() { emit saveAutomaticCleaningSettings(); }

signals:
    void saveAutomaticCleaningSettings();
    void saveInactivityCleaningSettings();
    void saveWarningCleaningSettings();

private:
    QList<InactivityCleaning> m_inactivityCleanings;
    QList<WarningCleaning> m_warningCleanings;
};

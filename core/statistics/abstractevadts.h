#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

/// An EVA-DTS audit data source: one owner at a time locks it, has it produce
/// its report and reads the text. A lock whose owner is destroyed lapses.
class AbstractEvadts : public QObject
{
    Q_OBJECT

public:
    explicit AbstractEvadts(QObject* parent = nullptr);
    ~AbstractEvadts() override;

    /// True when `owner` holds the lock now (also when it already held it).
    bool lock(QObject* owner);
    /// Releases the lock if `owner` holds it.
    void unlock(QObject* owner);
    bool isLocked() const { return !m_owner.isNull(); }

    /// Produces the report for the lock's owner; false, with the previous text
    /// kept, when `owner` does not hold the lock.
    bool generateReport(QObject* owner);
    /// The text of the last report produced.
    QString report() const { return m_report; }

protected:
    virtual QString buildReport() const = 0;

private:
    QPointer<QObject> m_owner;
    QString m_report;
};

#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

namespace scenario {

/// Listens to every signal of the objects it follows and records each one as
/// a line "<Source>::<signal>(arguments)", the source being the object's
/// class name without its namespaces ("States::erogationStarted()").
class SignalRecorder : public QObject
{
    Q_OBJECT

public:
    explicit SignalRecorder(QObject* parent = nullptr);
    ~SignalRecorder() override;

    /// The sources a scenario may expect signals from, by recording name.
    static const QMap<QString, const QMetaObject*>& knownSources();
    /// The recording name of a class: its name without namespaces.
    static QString sourceName(const QMetaObject& metaObject);

    /// Records the signals of `source` from now on (those it declares beyond QObject's).
    void follow(QObject* source);

    QStringList lines() const { return m_lines; }

signals:
    void recorded(const QString& line);

private:
    friend class SignalCatcher;
    void record(const QString& line);

    QStringList m_lines;
};

} // namespace scenario

#pragma once

#include <QObject>

/// The machine's speaker: its volume, 0 for silent.
class SpeakerSetup : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    int volume() const { return m_volume; }
    void setVolume(int volume)
    {
        if (volume == m_volume)
            return;
        m_volume = volume;
        emit volumeChanged();
    }

signals:
    void volumeChanged();

private:
    int m_volume = 0;
};

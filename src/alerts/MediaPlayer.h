#pragma once
// The media player the alerts, previews and the chime use: five operations.
#include <QString>

class IMediaPlayer {
public:
    enum class TMPModes { NotReady, Stopped, Playing, Open };
    virtual ~IMediaPlayer() = default;
    virtual void Close() = 0;
    virtual void setFileName(const QString &file) = 0;
    virtual QString FileName() const = 0;
    virtual void Open() = 0;  // a missing or unplayable file leaves the player silent, no error
    virtual void Play() = 0;
    virtual TMPModes Mode() const = 0;
};

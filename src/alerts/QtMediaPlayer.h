#pragma once
// The media player over Qt Multimedia. A file that is missing or cannot be
// played leaves it silent: Mode then reports NotReady, so nothing replays it.
#include "alerts/MediaPlayer.h"

#include <QObject>

class QAudioOutput;
class QMediaPlayer;

class TMediaPlayer final : public QObject, public IMediaPlayer {
    Q_OBJECT
public:
    explicit TMediaPlayer(QObject *parent = nullptr);
    ~TMediaPlayer() override;

    void Close() override;
    void setFileName(const QString &file) override { m_file = file; }
    QString FileName() const override { return m_file; }
    void Open() override;
    void Play() override;
    TMPModes Mode() const override;

private:
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    QString m_file;
    bool m_open = false;
    bool m_played = false;
    bool m_failed = false;
};

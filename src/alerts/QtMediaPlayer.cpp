#include "alerts/QtMediaPlayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

TMediaPlayer::TMediaPlayer(QObject *parent)
    : QObject(parent), m_player(new QMediaPlayer(this)), m_output(new QAudioOutput(this))
{
    m_player->setAudioOutput(m_output);
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this] { m_failed = true; });
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
        if (s == QMediaPlayer::InvalidMedia)
            m_failed = true;
    });
}

TMediaPlayer::~TMediaPlayer() = default;

void TMediaPlayer::Close()
{
    m_player->stop();
    m_player->setSource(QUrl());
    m_open = m_played = m_failed = false;
}

void TMediaPlayer::Open()
{
    m_played = false;
    m_failed = !QFileInfo(m_file).isFile();
    m_open = !m_failed;
    if (m_open)
        m_player->setSource(QUrl::fromLocalFile(QFileInfo(m_file).absoluteFilePath()));
}

void TMediaPlayer::Play()
{
    if (!m_open || m_failed)
        return;
    m_played = true;
    m_player->setPosition(0);
    m_player->play();
}

IMediaPlayer::TMPModes TMediaPlayer::Mode() const
{
    if (!m_open || m_failed || m_player->error() != QMediaPlayer::NoError)
        return TMPModes::NotReady;
    if (m_player->playbackState() == QMediaPlayer::PlayingState)
        return TMPModes::Playing;
    return m_played ? TMPModes::Stopped : TMPModes::Open;
}

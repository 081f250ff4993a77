#include "gui/desktop/qtmediaplayer.h"

#include "config/logging.h"
#include "platform/soundsystem.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

QtMediaPlayer::QtMediaPlayer()
{
    SoundSystem::keepUnsafeOutputsOut();
}

QtMediaPlayer::~QtMediaPlayer()
{
    delete m_player;
    delete m_output;
}

void QtMediaPlayer::playOnce(const QString& path, int volume)
{
    // Without its tune the program just stays quiet.
    if (!QFileInfo(path).isFile()) {
        qCWarning(lcPlatform) << "no music to play at" << path;
        return;
    }
    // Only through an output the system offers: without one, the media framework would try
    // outputs of its own, one of which has crashed the program.
    if (QMediaDevices::audioOutputs().isEmpty()) {
        qCWarning(lcPlatform) << "no audio output to play" << path << "through";
        return;
    }
    if (!m_player) {
        m_player = new QMediaPlayer;
        m_output = new QAudioOutput;
        m_player->setAudioOutput(m_output);
    }
    m_output->setVolume(qBound(0, volume, 100) / 100.0);
    m_output->setMuted(false);
    m_player->setLoops(1);
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

#include "gui/desktop/qtmediaplayer.h"

#include "config/logging.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

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

#pragma once

#include "platform/media.h"

class QAudioOutput;
class QMediaPlayer;

// Plays through Qt Multimedia, only where the system offers an audio output; the player is made
// on first use, never shown. To be made before anything else of Qt Multimedia runs.
class QtMediaPlayer final : public MediaPlayer
{
public:
    QtMediaPlayer();
    ~QtMediaPlayer() override;
    void playOnce(const QString& path, int volume) override;

private:
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_output = nullptr;
};

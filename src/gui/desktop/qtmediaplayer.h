#pragma once

#include "platform/media.h"

class QAudioOutput;
class QMediaPlayer;

// Plays through Qt Multimedia; the player is made on first use, never shown.
class QtMediaPlayer final : public MediaPlayer
{
public:
    ~QtMediaPlayer() override;
    void playOnce(const QString& path, int volume) override;

private:
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_output = nullptr;
};

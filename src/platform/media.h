#pragma once

#include <QString>

// Plays one file once with no visible player; errors stay silent.
class MediaPlayer
{
public:
    virtual ~MediaPlayer() = default;
    virtual void playOnce(const QString& path, int volume) = 0;
};

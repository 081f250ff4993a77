#pragma once

class Launcher;
class MediaPlayer;
class MessageBoxes;
class ProgramEnd;

// The system services the windows use, handed in so a test can put recording fakes in place.
struct Services
{
    MessageBoxes& messageBoxes;
    Launcher& launcher;
    ProgramEnd& programEnd;
    MediaPlayer& media;
};

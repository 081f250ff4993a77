#pragma once

class Launcher;
class MediaPlayer;
class MessageBoxes;
class ProgramEnd;

// The system services the windows use, handed in so that a test can put recording fakes in
// their place.
struct Services
{
    MessageBoxes& messageBoxes;
    Launcher& launcher;
    ProgramEnd& programEnd;
    MediaPlayer& media;
};

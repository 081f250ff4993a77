#pragma once

// What the system's sound needs before Qt Multimedia starts (one source file per system).
namespace SoundSystem {
// Keeps the sound outputs that can take the whole process down out of reach. Where no sound
// server runs, GStreamer falls back to its JACK sink, and libjack has crashed the program there.
// To be called before anything of Qt Multimedia runs.
void keepUnsafeOutputsOut();
} // namespace SoundSystem

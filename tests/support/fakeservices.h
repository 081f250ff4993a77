#pragma once

#include "fakes.h"
#include "mainwindow/services.h"

// The system services of the windows, every one a recording fake sharing one journal.
struct FakeServices
{
    Journal journal;
    FakeMessageBoxes boxes{&journal};
    FakeLauncher launcher{&journal};
    FakeProgramEnd end{&journal};
    FakeMedia media;
    Services services{boxes, launcher, end, media};
};

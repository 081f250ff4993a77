#pragma once

// Waits at least the given time while the program stays alive: events are handled as they come
// (clicks, timers, network answers, even a second refresh) and the thread sleeps in between.
// Measured on a monotonic clock, so a wait across midnight or a clock change ends on time. A
// nested wait has its own deadline.
void waitResponsively(int milliseconds);

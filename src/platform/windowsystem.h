#pragma once

// What the window system needs beyond what Qt does by itself (one source file per system).
namespace WindowSystem {
// Hands every window request made so far to the window system now. On X11 a request made outside
// the handling of an event (a timer's opacity step) waits in the connection until the next event
// arrives, which may be the user's next pointer motion; on Windows every call takes effect at once.
void flush();
} // namespace WindowSystem

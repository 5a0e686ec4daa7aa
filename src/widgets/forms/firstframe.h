// A switch for timing start-up from outside: with BENCH_EXIT_AFTER_PAINT=1 in
// the environment the program ends, with status 0, as soon as its first frame
// has reached the display server. Without it nothing is installed.
#pragma once

namespace benchlist {

// Call once, after the application object exists.
void ExitAfterFirstFrameIfAsked();

} // namespace benchlist

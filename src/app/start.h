// Starting Qt. Where no display opens, Qt would end the program with an abort;
// it ends instead with status 1 and one line naming the displays tried.
#pragma once

#include <QStringList>

namespace benchlist {

// Before the application object exists, given Qt's words: the platforms to
// try, and what Qt says while it starts held back.
void PrepareDisplay(const QStringList &qtArguments);
// Once it exists: the environment as it was, and what Qt said given out.
void DisplayOpened();

// A switch for timing start-up from outside: with BENCH_EXIT_AFTER_PAINT=1 in
// the environment the program ends, with status 0, as soon as its first frame
// has reached the display server. Call once the application object exists.
void ExitAfterFirstFrameIfAsked();

} // namespace benchlist

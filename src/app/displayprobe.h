// Starting Qt on a display. Qt aborts when the display it tries cannot be
// opened; the program instead ends with one line saying which it tried.
#pragma once

namespace benchlist {

// Settles on the first display, in Qt's order, that opens, and holds back what
// Qt says while it starts. Returns false, having said why, when none opens.
bool PrepareDisplay();

// Gives out what Qt said while it started, once the application exists.
void ReleaseStartupMessages();

} // namespace benchlist

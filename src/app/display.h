// Starting Qt on a display. Where none opens, Qt would end the program with an
// abort; it ends instead with status 1 and one line naming the displays tried.
#pragma once

#include <QStringList>

namespace benchlist {

// Before the application object exists: Qt's platforms to try, and what Qt says
// while it starts held back. `qtArguments` are the words given to Qt.
void PrepareDisplay(const QStringList &qtArguments);

// Once it exists: the environment as it was, and what Qt said given out.
void DisplayOpened();

} // namespace benchlist

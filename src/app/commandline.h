// The command line: what the program is asked to do, read before Qt starts so
// that the answers on standard output need no display.
#pragma once

#include <QStringList>

namespace benchlist {

// Reads the arguments (the program's name first). Returns -1 when the windows
// are to open, else the exit status of the answer already given: 0 done,
// 1 nothing found or nothing written, 2 a command line that is not understood.
int AnswerCommandLine(int argc, char **argv);

} // namespace benchlist

// The command line: what the program is asked to do, read before Qt starts so
// that the answers on standard output need no display.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace benchlist {

// What the windows are to show once they open.
struct WindowStart {
    std::optional<QString> findWords; // the find window, open on these words
};

// Reads the arguments (the program's name first). Returns -1 when the windows
// are to open, as `start` says, else the exit status of the answer already
// given: 0 done, 1 nothing found or nothing written, 2 a command line that is
// not understood.
int AnswerCommandLine(int argc, char **argv, WindowStart &start);

} // namespace benchlist

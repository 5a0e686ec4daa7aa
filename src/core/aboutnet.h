// The link opener: the one place where an address leaves the program, handed to
// the desktop so that the user's default browser opens it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace AboutNet {

// Shows the browser window normally.
inline constexpr int ShowNormal = 1;

// Hands the address over exactly as given (no escaping, trimming or case change)
// and returns at once, without waiting for the browser. Returns a value above 32
// on success and an error code of 32 or less otherwise; nothing is shown either way.
int OpenUrl(std::string &address, int &showCommand);

// What OpenUrl hands the address to. The desktop by default; tests put a recorder here.
using HandOff = std::function<int(const std::string &address, int showCommand)>;

// Installs a hand-off (an empty one restores the desktop's) and returns the previous one.
HandOff SetHandOff(HandOff handOff);

// The desktop's "open": xdg-open on Linux, the shell's open verb on Windows.
int OpenWithDesktop(const std::string &address, int showCommand);

} // namespace AboutNet

namespace benchlist {

// The calling pattern of every caller: the address in a local string, the
// normal show command in a local integer, and the result ignored.
void OpenPage(std::string_view address);

} // namespace benchlist

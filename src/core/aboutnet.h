// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The link opener: the one place where an address leaves the program, handed to
// the desktop so that the user's default browser opens it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace AboutNet {

inline constexpr int ShowNormal = 1;

// Hands the address over exactly as given (no escaping, trimming or case change)
// and returns at once, without waiting for the browser. Whether the address was
// handed over: true when xdg-open started on it, or will in its turn while
// eight others run; false when it cannot start, each reason said once on
// standard error.
bool HandOver(std::string_view address);

// HandOver in the calling convention of the original opener, which only the
// opener's tests still use: the address and the show command by reference, a
// value above 32 when the address was handed over and 2 when not.
// The desktop chooses how the browser shows itself.
int OpenUrl(std::string &address, int &showCommand);

// What HandOver hands the address to: xdg-open by default; tests put a recorder here.
using HandOff = std::function<bool(std::string_view address)>;

// Installs a hand-off (an empty one restores xdg-open) and returns the previous one.
HandOff SetHandOff(HandOff handOff);

} // namespace AboutNet

namespace benchlist {

// The calling pattern of every caller: the address in a local string and the
// normal show command in a local integer. Whether the page was handed over:
// a page that was not is neither opened nor to be remembered as opened.
[[nodiscard]] bool OpenPage(std::string_view address);

} // namespace benchlist

// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Handing calls on to a shared library that is loaded on first use, not as
// the program starts: a unit defines the library's functions that the program
// calls, each of them passing its arguments to the library's own.
#pragma once

#include <dlfcn.h>

namespace benchlist {

// The library's own function `name`, or null when the library (a handle, or
// null where it could not be opened) has none.
template <typename Function> Function *LibraryFunction(void *library, const char *name)
{
    return library ? reinterpret_cast<Function *>(dlsym(library, name)) : nullptr;
}

} // namespace benchlist

// The body of a function defined in place of the library's `name`: the
// library's own, looked up once, called with the arguments, or `otherwise`
// without it.
#define BENCHLIST_HAND_ON(library, name, otherwise, ...)                                           \
    static auto *const own = benchlist::LibraryFunction<decltype(::name)>(library, #name);         \
    return own ? own(__VA_ARGS__) : otherwise

// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Lines for the user from the layers that have no translations (the link
// opener, the store of opened pages): each is a whole sentence in English with
// %1, %2 where its arguments go, and the arguments (paths, the system's
// reasons), which stay as they are. They go to the reporter, which the
// program's start sets to say them in the session's language; until then, and
// in programs that set none, they go to standard error in English.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Marks a text for the translation files: lupdate reads it as QT_TRANSLATE_NOOP.
#define BENCHLIST_MESSAGE(context, text) text

namespace benchlist {

struct Message {
    const char *text = "";
    std::vector<std::string> arguments;
};

namespace said {
inline constexpr const char *kOpenerNotFound =
    BENCHLIST_MESSAGE("Messages", "cannot start xdg-open: not found on PATH");
inline constexpr const char *kOpenerNotExecutable =
    BENCHLIST_MESSAGE("Messages", "cannot start xdg-open: %1 is not executable");
inline constexpr const char *kOpenerNoFolder =
    BENCHLIST_MESSAGE("Messages", "cannot start xdg-open: PATH names no folder to look in");
inline constexpr const char *kOpenerFailed =
    BENCHLIST_MESSAGE("Messages", "cannot start xdg-open: %1");
inline constexpr const char *kPagesNotRemembered =
    BENCHLIST_MESSAGE("Messages", "opened pages are not remembered: %1: %2");
inline constexpr const char *kPagesFolderNotMade =
    BENCHLIST_MESSAGE("Messages", "opened pages are not remembered: cannot create %1: %2");
inline constexpr const char *kPagesStoreTooNew = BENCHLIST_MESSAGE(
    "Messages", "opened pages are not remembered: %1 was written by a newer Benchlist");
inline constexpr const char *kPagesNotCleared =
    BENCHLIST_MESSAGE("Messages", "could not clear %1: %2");
inline constexpr const char *kPagesStoreDamaged =
    BENCHLIST_MESSAGE("Messages", "%1 was damaged; it is kept as %2 and a new store is started");
inline constexpr const char *kPagesMadePrivate = BENCHLIST_MESSAGE(
    "Messages", "the pages you opened, kept in %1, could be read by others; now only you can "
                "read them");
} // namespace said

// `text` with each %N replaced by argument N (from 1; at most 9).
inline std::string Filled(std::string text, const std::vector<std::string> &arguments)
{
    for (std::size_t at = text.find('%'); at != std::string::npos && at + 1 < text.size();
         at = text.find('%', at)) {
        const std::size_t index = std::size_t(text[at + 1] - '1');
        if (text[at + 1] < '1' || text[at + 1] > '9' || index >= arguments.size()) {
            ++at;
            continue;
        }
        text.replace(at, 2, arguments[index]);
        at += arguments[index].size();
    }
    return text;
}

using Reporter = std::function<void(const Message &)>;

inline Reporter &CurrentReporter()
{
    static Reporter reporter;
    return reporter;
}

// Set once, at start, before any thread that reports runs.
inline void SetReporter(Reporter reporter)
{
    CurrentReporter() = std::move(reporter);
}

inline void Report(const Message &message)
{
    if (const Reporter &reporter = CurrentReporter())
        return reporter(message);
    std::fprintf(stderr, "benchlist: %s\n", Filled(message.text, message.arguments).c_str());
}

} // namespace benchlist
